#pragma once
// How the level's images are made: the fraction of the window the scene is
// drawn at (fixed, or chosen each frame to hold the display's rate), the
// window's samples, the glow and the shadow map's size. Read from the
// settings' [graphics] section; the defaults give the look the game always had.

namespace tavernrush {

inline constexpr float smallestRenderScale = 0.25f;
// Where the automatic scale stops: below half the picture gets too soft.
inline constexpr float smallestAutomaticRenderScale = 0.5f;
inline constexpr int smallestShadowSize = 512;
inline constexpr int largestShadowSize = 4096;

struct GraphicsSettings {
    // Side of the scene's targets over the window's, 0.25 to 1.
    float renderScale = 1.0f;
    // The scale follows the frame times instead of staying at renderScale.
    bool automaticScale = false;
    // The window's samples: 0, 2 or 4.
    int msaa = 4;
    bool bloom = true;
    // Texels per side of the figure's shadow map.
    int shadowSize = 1024;

    bool operator==(const GraphicsSettings&) const = default;
};

} // namespace tavernrush
