#pragma once
// Settings read once from assets/settings.ini before the window opens: the
// window in [window], how its images are made in [graphics], the sound in
// [audio], the keys in [controls].

#include "app/Controls.h"
#include "audio/AudioSettings.h"
#include "passes/GraphicsSettings.h"

#include <iosfwd>
#include <string>

namespace tavernrush {

struct Settings {
    int width = 800;
    int height = 800;
    int refreshRate = 60;
    bool fullscreen = false;
    std::string title = "Tavernrush";
    // Ambient factor given to the sky, picture and counter materials at start-up.
    float brightness = 1.0f;
    // Swap in step with the display's refresh; false runs unthrottled.
    bool vsync = true;
    GraphicsSettings graphics;
    AudioSettings audio;
    // Losing the window's focus pauses the game; off, it plays on in the
    // background.
    bool pauseOnFocusLoss = true;
    // The level's best win walks beside the player as a see-through figure.
    bool ghost = true;
    Controls controls;
};

inline constexpr const char* settingsPath = "assets/settings.ini";
inline constexpr long minWindowSize = 2;
inline constexpr long maxWindowSize = 16384;

// Reads the [window] section in the order width, height, refresh_rate,
// fullscreen, title, brightness, vsync, pause_on_focus_loss, ghost, then [graphics]
// (GraphicsSettingsReader.h), the [audio]
// section (volume, music, effects) and [controls] (see Controls.h). A
// missing file, a value that does not parse or one outside its sane range
// falls back to the default; problems are reported on `log`, one line each.
Settings loadSettings(const std::string& path, std::ostream& log);

} // namespace tavernrush
