#pragma once
// The counter spheres: an earth spinning above the origin at the level's
// orbit height, the beer counter circling at radius 3.5 and the coin counter
// at radius 2, each about the vertical axis through the origin at its own
// speed. The rules keep their turns, so a frame says where they stand and
// the renderer keeps no angle of its own.

#include <glm/glm.hpp>

namespace tavernrush {

struct CounterOrbit {
    float radius = 0.0f;
    float radiansPerSecond = 0.0f;
};

inline constexpr CounterOrbit earthOrbit{0.0f, 0.5f};
inline constexpr CounterOrbit beerCounterOrbit{3.5f, -1.0f};
inline constexpr CounterOrbit coinCounterOrbit{2.0f, 1.5f};

// Each sphere's whole turn since the start, kept within one full turn.
// Summed in double: the angle stays exact to far below a pixel for any
// length of play.
struct CounterTurns {
    double earth = 0.0;
    double beerCounter = 0.0;
    double coinCounter = 0.0;

    void advance(float deltaTime);
};

// A sphere's place before it turns: on its orbit, `height` above the ground.
glm::mat4 orbitStart(const CounterOrbit& orbit, float height);
// Where a sphere stands after turning `turn` radians about the vertical axis.
glm::mat4 orbitPlacement(const CounterOrbit& orbit, float height, double turn);

} // namespace tavernrush
