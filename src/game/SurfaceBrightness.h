#pragma once
// How bright the ground and the picture board are lit at the start (their
// ambient factor), and how far H and D move both per frame held. The rules
// keep the factors; the level's materials are made with the start values.

namespace tavernrush {

inline constexpr float groundAmbientAtStart = 1.0f;
inline constexpr float boardAmbientAtStart = 0.8f;
inline constexpr float brightnessStepPerFrame = 0.002f;

} // namespace tavernrush
