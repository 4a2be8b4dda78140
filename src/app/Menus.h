#pragma once
// The title, the pause menu and the options of the running game, driven by
// the keyboard (arrows, Enter, Backspace), the mouse and the pad (d-pad, A,
// B). After the rules' frame the menus read the input, act on the rules
// (start, resume, restart), on the window and on whatever a changed option
// touches, and put what they show into the frame value. Each change is
// saved at once to the settings file the game read.

#include "app/Controls.h"
#include "app/Settings.h"
#include "app/SettingsSaver.h"
#include "app/WindowControl.h"
#include "audio/AudioSettings.h"
#include "game/FrameRules.h"
#include "game/Input.h"
#include "game/MenuView.h"
#include "passes/GraphicsSettings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

// What a changed option acts on while the game runs.
class LiveOptions {
public:
    virtual ~LiveOptions() = default;
    virtual void soundLevels(const AudioSettings&) {}
    virtual void vsync(bool) {}
    virtual void brightness(float) {}
    // The scene's share of the window, fixed or following the frame times.
    virtual void renderScale(const GraphicsSettings&) {}
    virtual void bloom(bool) {}
    virtual void shadowSize(int) {}
    virtual void controls(const Controls&, bool /*pauseOnFocusLoss*/) {}
    // Play another level than the one loaded: true when the run ends for
    // it (the game starts that level next), false where it cannot.
    virtual bool playLevel(const std::string& /*name*/) { return false; }
};

// A level the title offers, with the player's best time on it.
struct LevelOffer {
    std::string name;
    std::optional<int> bestTenths;
};

struct MenuSetup {
    // As read at start-up; the menus keep their own copy from here on.
    Settings settings;
    SettingsSaver& saver;
    LiveOptions& live;
    // The title's line about the goal, and the levels to choose from with
    // left and right, the loaded one first.
    std::vector<LevelOffer> levels;
    int coinsToWin = 10;
    int beersToLose = 4;
    float timeLimitSeconds = 70.0f;
    // The run opens on the title (the game); else straight into play.
    bool startOnTitle = true;
};

class Menus {
public:
    explicit Menus(MenuSetup setup);

    // Before the first frame: puts the rules on the title when the run starts there.
    void start(FrameRules& rules);
    // After the rules' frame.
    void frame(const InputSource& input, FrameRules& rules, FrameScene& scene, WindowControl& window,
               bool fullscreen);
    // A key went down since the last frame, however briefly.
    void keyTapped(int code) { taps_.push_back(code); }
    // Escape released: true when it cancelled a rebinding instead of quitting.
    bool cancelRebinding();

    const Settings& settings() const { return settings_; }

private:
    struct Presses {
        bool up = false;
        bool down = false;
        bool left = false;
        bool right = false;
        bool confirm = false;
        bool back = false;
        bool play = false;
        std::optional<int> newKey;
    };
    Presses readPresses(const InputSource& input);
    // Hover selects, a click takes the entry, a slider follows a drag.
    void readMouse(const InputSource& input, const WindowControl& window, Presses& presses, bool fullscreen,
                   FrameScene& scene);
    void setSlider(const std::string& id, float share, bool fullscreen, FrameScene& scene);
    MenuView view() const;
    void act(const Presses& presses, FrameRules& rules, WindowControl& window, bool fullscreen,
             FrameScene& scene);
    void openScreen(MenuScreen screen, int selected = 0);
    void adjust(const std::string& id, int step, bool fullscreen, FrameScene& scene);
    void rebind(int key);
    void play(FrameRules& rules, WindowControl& window);
    void saveKey(Action action);
    void applyControls();
    void adjustGraphics(const std::string& id, int step);
    // From the controls or the graphics to the options, on the entry that opened them.
    void returnToOptions();
    void save(const char* section, const char* key, const std::string& value);
    std::string prompt(const FrameScene& scene, bool withPad) const;

    Settings settings_;
    SettingsSaver& saver_;
    LiveOptions& live_;
    std::vector<LevelOffer> levels_;
    // The level the title offers now, in levels_.
    std::size_t chosenLevel_ = 0;
    int coinsToWin_;
    int beersToLose_;
    float timeLimitSeconds_;
    bool startOnTitle_;
    // The window's samples, fixed when it was made.
    int windowSamples_;

    MenuScreen screen_ = MenuScreen::Title;
    // The screen the options go back to: the title or the pause menu.
    MenuScreen optionsFrom_ = MenuScreen::Pause;
    int selected_ = 0;
    std::string message_;
    bool shown_ = false;
    bool fullscreenShown_ = false;
    bool padConnected_ = false;
    // Keys, pad buttons and the mouse button held in the last frame.
    std::array<bool, 512> keysHeld_{};
    std::array<bool, 16> padHeld_{};
    std::vector<int> taps_;
    // The menu as last shown, where the mouse finds its entries.
    std::optional<MenuView> lastView_;
    glm::dvec2 lastCursor_{0.0};
    bool mouseWasHeld_ = false;
    // The slider row a press began on, followed while the button is held.
    int dragRow_ = -1;
};

} // namespace tavernrush
