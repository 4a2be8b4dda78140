#include "app/Menus.h"

#include "app/ControlNames.h"
#include "app/GraphicsChoices.h"
#include "app/KeyNames.h"
#include "passes/Letterbox.h"
#include "scene/MenuLayout.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tavernrush {
namespace {

constexpr float levelStep = 0.1f;
constexpr float brightnessStep = 0.1f;
constexpr float lowestBrightness = 0.2f;
constexpr float highestBrightness = 2.0f;
// The title's lines of keys hold at most this many letters, so that they
// fit its board at any window size.
constexpr std::size_t titleLineLetters = 44;

std::string number(float value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

std::string percent(float value) { return std::to_string(static_cast<int>(std::lround(value * 100.0f))) + "%"; }

std::string onOff(bool on) { return on ? "On" : "Off"; }

std::string tenths(int value) { return std::to_string(value / 10) + "." + std::to_string(value % 10) + " s"; }

MenuEntry entry(std::string id, std::string label, std::string value = "", std::optional<float> slider = {})
{
    return MenuEntry{std::move(id), std::move(label), std::move(value), slider};
}

std::vector<MenuEntry> entriesOf(MenuScreen screen, const Settings& settings, bool fullscreen, bool withPad)
{
    switch (screen) {
    case MenuScreen::Title: return {entry("play", "Play"), entry("options", "Options"), entry("quit", "Quit")};
    case MenuScreen::Pause:
        return {entry("resume", "Resume"), entry("restart", "Restart"), entry("options", "Options"),
                entry("quit", "Quit")};
    case MenuScreen::Options:
        return {
            entry("volume", "Master volume", percent(settings.audio.volume), settings.audio.volume),
            entry("music", "Music", percent(settings.audio.music), settings.audio.music),
            entry("effects", "Effects", percent(settings.audio.effects), settings.audio.effects),
            entry("fullscreen", "Full screen", onOff(fullscreen)),
            entry("vsync", "Vsync", onOff(settings.vsync)),
            entry("brightness", "Brightness", number(settings.brightness),
                  (settings.brightness - lowestBrightness) / (highestBrightness - lowestBrightness)),
            entry("pause_on_focus_loss", "Pause on focus loss", onOff(settings.pauseOnFocusLoss)),
            entry("graphics", "Graphics"),
            entry("controls", "Controls"),
            entry("return", "Back"),
        };
    case MenuScreen::Graphics:
        return {
            entry("render_scale", "Render scale", renderScaleLabel(settings.graphics)),
            entry("msaa", "Anti-aliasing", msaaLabel(settings.graphics.msaa)),
            entry("bloom", "Bloom", onOff(settings.graphics.bloom)),
            entry("shadow_size", "Shadow detail", std::to_string(settings.graphics.shadowSize)),
            entry("return", "Back"),
        };
    case MenuScreen::Controls:
    case MenuScreen::Rebind: {
        std::vector<MenuEntry> entries;
        for (int i = 0; i < actionCount; ++i) {
            const auto action = static_cast<Action>(i);
            std::string value = keyLabel(settings.controls.keyFor(action));
            if (withPad && !padLabel(action).empty()) {
                value += " / " + padLabel(action);
            }
            entries.push_back(entry(std::string(actionName(action)), actionLabel(action), value));
        }
        entries.push_back(entry("reset", "Reset to defaults"));
        entries.push_back(entry("return", "Back"));
        return entries;
    }
    }
    return {};
}

} // namespace

Menus::Menus(MenuSetup setup)
    : settings_(std::move(setup.settings)),
      saver_(setup.saver),
      live_(setup.live),
      levels_(std::move(setup.levels)),
      coinsToWin_(setup.coinsToWin),
      beersToLose_(setup.beersToLose),
      timeLimitSeconds_(setup.timeLimitSeconds),
      startOnTitle_(setup.startOnTitle),
      windowSamples_(settings_.graphics.msaa)
{
}

void Menus::start(FrameRules& rules)
{
    if (startOnTitle_) {
        rules.showTitle();
        openScreen(MenuScreen::Title);
        optionsFrom_ = MenuScreen::Title;
    }
}

void Menus::openScreen(MenuScreen screen, int selected)
{
    screen_ = screen;
    selected_ = selected;
    if (screen != MenuScreen::Rebind) {
        message_.clear();
    }
}

Menus::Presses Menus::readPresses(const InputSource& input)
{
    Presses presses;
    const auto key = [&](int code) { return input.isKeyCodeHeld(code); };
    const GamepadState pad = input.gamepad();
    // Each key's press is found before any is remembered as held.
    std::array<bool, 512> held{};
    for (const NamedKey& named : namedKeys()) {
        held[static_cast<std::size_t>(named.code)] = key(named.code);
    }
    const auto pressed = [&](int code) {
        return (held[code] && !keysHeld_[code]) || std::find(taps_.begin(), taps_.end(), code) != taps_.end();
    };
    const auto padPressed = [&](PadButton button) {
        const auto index = static_cast<std::size_t>(button);
        return pad.held(button) && !padHeld_[index];
    };
    presses.up = pressed(GLFW_KEY_UP) || padPressed(PadButton::DpadUp);
    presses.down = pressed(GLFW_KEY_DOWN) || padPressed(PadButton::DpadDown);
    presses.left = pressed(GLFW_KEY_LEFT) || padPressed(PadButton::DpadLeft);
    presses.right = pressed(GLFW_KEY_RIGHT) || padPressed(PadButton::DpadRight);
    presses.confirm = pressed(GLFW_KEY_ENTER) || pressed(GLFW_KEY_KP_ENTER) || padPressed(PadButton::A);
    presses.back = pressed(GLFW_KEY_BACKSPACE) || padPressed(PadButton::B);
    // Enter and A take the selected entry, which on the title starts as Play.
    presses.play = pressed(settings_.controls.keyFor(Action::Jump));
    for (const NamedKey& named : namedKeys()) {
        if (pressed(named.code)) {
            presses.newKey = named.code;
            break;
        }
    }
    keysHeld_ = held;
    taps_.clear();
    for (std::size_t i = 0; i < pad.buttons.size(); ++i) {
        padHeld_[i] = pad.buttons[i];
    }
    return presses;
}

void Menus::frame(const InputSource& input, FrameRules& rules, FrameScene& scene, WindowControl& window,
                  bool fullscreen)
{
    padConnected_ = input.hasGamepad();
    const bool menuUp = rules.onTitle() || rules.paused();
    if (!menuUp) {
        // Back in play: the next pause opens on Resume.
        shown_ = false;
        rules.setPauseKeyTaken(false);
        readPresses(input);
        scene.menu.reset();
        scene.prompt.reset();
        if (!scene.pictures.empty()) {
            scene.prompt = prompt(scene, padConnected_);
        }
        return;
    }
    if (!shown_) {
        shown_ = true;
        openScreen(rules.onTitle() ? MenuScreen::Title : MenuScreen::Pause);
        optionsFrom_ = screen_;
        // What was held as the menu came up (P, Start, the mouse) is no press
        // in it, and the cursor has not moved yet.
        readPresses(input);
        lastCursor_ = input.cursorPosition();
        mouseWasHeld_ = input.isButtonHeld(MouseButton::Left);
        lastView_.reset();
    } else {
        Presses presses = readPresses(input);
        readMouse(input, window, presses, fullscreen, scene);
        act(presses, rules, window, fullscreen, scene);
    }
    rules.setPauseKeyTaken(rules.paused() && (screen_ == MenuScreen::Options || screen_ == MenuScreen::Graphics ||
                                              screen_ == MenuScreen::Controls || screen_ == MenuScreen::Rebind));
    fullscreenShown_ = scene.fullscreenRequested ? !fullscreen : fullscreen;
    // The frame that closes the menu still shows it; play shows from the next.
    scene.menu = view();
    lastView_ = scene.menu;
    scene.prompt.reset();
    if (!rules.onTitle() && !rules.paused()) {
        shown_ = false;
    }
}

void Menus::readMouse(const InputSource& input, const WindowControl& window, Presses& presses, bool fullscreen,
                      FrameScene& scene)
{
    const glm::dvec2 cursor = input.cursorPosition();
    const bool held = input.isButtonHeld(MouseButton::Left);
    const bool moved = cursor != lastCursor_;
    const bool pressed = held && !mouseWasHeld_;
    lastCursor_ = cursor;
    mouseWasHeld_ = held;
    if (!held) {
        dragRow_ = -1;
    }
    if (!lastView_ || screen_ == MenuScreen::Rebind || lastView_->screen != screen_) {
        return;
    }
    // The cursor in the letterboxed image's pixels, y downwards.
    const glm::ivec2 framebuffer = window.framebufferSize();
    const glm::ivec4 image = letterboxViewport(framebuffer, settings_.width, settings_.height);
    const glm::vec2 point(static_cast<float>(cursor.x) - static_cast<float>(image.x),
                          static_cast<float>(cursor.y) - static_cast<float>(framebuffer.y - image.y - image.w));
    const std::vector<MenuRow> rows = menuRows(*lastView_, {image.z, image.w});
    if (dragRow_ >= 0 && dragRow_ < static_cast<int>(rows.size())) {
        const MenuRow& row = rows[static_cast<std::size_t>(dragRow_)];
        setSlider(lastView_->entries[static_cast<std::size_t>(dragRow_)].id,
                  (point.x - row.sliderFrom->x) / (row.sliderTo->x - row.sliderFrom->x), fullscreen, scene);
        return;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!rows[i].contains(point)) {
            continue;
        }
        if (moved || pressed) {
            selected_ = static_cast<int>(i);
        }
        if (pressed && rows[i].sliderFrom) {
            dragRow_ = static_cast<int>(i);
            setSlider(lastView_->entries[i].id,
                      (point.x - rows[i].sliderFrom->x) / (rows[i].sliderTo->x - rows[i].sliderFrom->x), fullscreen,
                      scene);
        } else if (pressed) {
            presses.confirm = true;
        }
    }
}

void Menus::setSlider(const std::string& id, float share, bool fullscreen, FrameScene& scene)
{
    share = std::clamp(share, 0.0f, 1.0f);
    float current = 0.0f;
    float wanted = 0.0f;
    if (id == "brightness") {
        current = settings_.brightness;
        wanted = lowestBrightness + share * (highestBrightness - lowestBrightness);
    } else if (id == "volume" || id == "music" || id == "effects") {
        current = id == "volume" ? settings_.audio.volume : id == "music" ? settings_.audio.music : settings_.audio.effects;
        wanted = share;
    } else {
        return;
    }
    // In whole steps, as the arrows move it.
    const int steps = static_cast<int>(std::lround((wanted - current) / levelStep));
    if (steps != 0) {
        adjust(id, steps, fullscreen, scene);
    }
}

bool Menus::cancelRebinding()
{
    if (screen_ != MenuScreen::Rebind) {
        return false;
    }
    const int selected = selected_;
    openScreen(MenuScreen::Controls, selected);
    return true;
}

void Menus::act(const Presses& presses, FrameRules& rules, WindowControl& window, bool fullscreen,
                FrameScene& scene)
{
    if (screen_ == MenuScreen::Rebind) {
        if (presses.newKey) {
            rebind(*presses.newKey);
        }
        return;
    }
    if (screen_ == MenuScreen::Title && presses.play) {
        play(rules, window);
        return;
    }
    if (screen_ == MenuScreen::Title && levels_.size() > 1 && (presses.left || presses.right)) {
        chosenLevel_ = (chosenLevel_ + (presses.right ? 1 : levels_.size() - 1)) % levels_.size();
        return;
    }
    const std::vector<MenuEntry> entries = entriesOf(screen_, settings_, fullscreen, padConnected_);
    const int count = static_cast<int>(entries.size());
    if (presses.up) {
        selected_ = (selected_ + count - 1) % count;
    }
    if (presses.down) {
        selected_ = (selected_ + 1) % count;
    }
    const std::string& id = entries[static_cast<std::size_t>(selected_)].id;
    if (presses.left || presses.right) {
        adjust(id, presses.right ? 1 : -1, fullscreen, scene);
    }
    if (presses.back) {
        if (screen_ == MenuScreen::Pause) {
            rules.resume();
        } else if (screen_ == MenuScreen::Controls || screen_ == MenuScreen::Graphics) {
            returnToOptions();
        } else if (screen_ == MenuScreen::Options) {
            openScreen(optionsFrom_, optionsFrom_ == MenuScreen::Title ? 1 : 2);
        }
        return;
    }
    if (!presses.confirm) {
        return;
    }
    if (id == "play") {
        play(rules, window);
    } else if (id == "resume") {
        rules.resume();
    } else if (id == "restart") {
        rules.restartAndResume();
    } else if (id == "quit") {
        window.requestClose();
    } else if (id == "options") {
        openScreen(MenuScreen::Options);
    } else if (id == "controls") {
        openScreen(MenuScreen::Controls);
    } else if (id == "graphics") {
        openScreen(MenuScreen::Graphics);
    } else if (id == "return") {
        if (screen_ == MenuScreen::Controls || screen_ == MenuScreen::Graphics) {
            returnToOptions();
        } else {
            openScreen(optionsFrom_, optionsFrom_ == MenuScreen::Title ? 1 : 2);
        }
    } else if (id == "reset") {
        const Controls before = settings_.controls;
        settings_.controls = Controls{};
        applyControls();
        for (int i = 0; i < actionCount; ++i) {
            if (before.keys[static_cast<std::size_t>(i)] != settings_.controls.keys[static_cast<std::size_t>(i)]) {
                saveKey(static_cast<Action>(i));
            }
        }
        message_ = saver_.unsaved() ? "unsaved" : "Keys back to their defaults";
    } else if (screen_ == MenuScreen::Controls) {
        openScreen(MenuScreen::Rebind, selected_);
        message_ = "Press a key for " + actionLabel(static_cast<Action>(selected_)) + " (Escape cancels)";
    } else {
        // A switch flips on Enter as on left and right.
        adjust(id, 1, fullscreen, scene);
    }
}

void Menus::play(FrameRules& rules, WindowControl& window)
{
    // Another level than the loaded one: the game ends this run and starts
    // that level straight into play.
    if (chosenLevel_ != 0 && live_.playLevel(levels_[chosenLevel_].name)) {
        window.requestClose();
        return;
    }
    rules.startPlay();
}

void Menus::adjust(const std::string& id, int step, bool fullscreen, FrameScene& scene)
{
    const auto level = [&](float& value, const char* key) {
        value = std::clamp(std::round((value + levelStep * static_cast<float>(step)) * 10.0f) / 10.0f, 0.0f, 1.0f);
        live_.soundLevels(settings_.audio);
        save("audio", key, number(value));
    };
    if (id == "volume") {
        level(settings_.audio.volume, "volume");
    } else if (id == "music") {
        level(settings_.audio.music, "music");
    } else if (id == "effects") {
        level(settings_.audio.effects, "effects");
    } else if (id == "fullscreen") {
        // The loop switches the window, as F10 does.
        scene.fullscreenRequested = true;
        settings_.fullscreen = !fullscreen;
        save("window", "fullscreen", settings_.fullscreen ? "true" : "false");
    } else if (id == "vsync") {
        settings_.vsync = !settings_.vsync;
        live_.vsync(settings_.vsync);
        save("window", "vsync", settings_.vsync ? "true" : "false");
    } else if (id == "brightness") {
        settings_.brightness =
            std::clamp(std::round((settings_.brightness + brightnessStep * static_cast<float>(step)) * 10.0f) / 10.0f,
                       lowestBrightness, highestBrightness);
        live_.brightness(settings_.brightness);
        save("window", "brightness", number(settings_.brightness));
    } else if (id == "pause_on_focus_loss") {
        settings_.pauseOnFocusLoss = !settings_.pauseOnFocusLoss;
        applyControls();
        save("window", "pause_on_focus_loss", settings_.pauseOnFocusLoss ? "true" : "false");
    } else if (screen_ == MenuScreen::Graphics) {
        adjustGraphics(id, step);
    }
}

void Menus::adjustGraphics(const std::string& id, int step)
{
    GraphicsSettings& graphics = settings_.graphics;
    // A line left by an earlier change would now speak of this one.
    message_.clear();
    if (id == "render_scale") {
        stepRenderScale(graphics, step);
        live_.renderScale(graphics);
        save("graphics", "render_scale", renderScaleSetting(graphics));
    } else if (id == "msaa") {
        stepMsaa(graphics, step);
        save("graphics", "msaa", std::to_string(graphics.msaa));
        // The samples belong to the window, which is made once.
        if (message_.empty() && graphics.msaa != windowSamples_) {
            message_ = "Applies when the game next starts";
        }
    } else if (id == "bloom") {
        graphics.bloom = !graphics.bloom;
        live_.bloom(graphics.bloom);
        save("graphics", "bloom", graphics.bloom ? "true" : "false");
    } else if (id == "shadow_size") {
        stepShadowSize(graphics, step);
        live_.shadowSize(graphics.shadowSize);
        save("graphics", "shadow_size", std::to_string(graphics.shadowSize));
    }
}

void Menus::returnToOptions()
{
    const std::string from = screen_ == MenuScreen::Graphics ? "graphics" : "controls";
    const std::vector<MenuEntry> entries = entriesOf(MenuScreen::Options, settings_, false, false);
    const auto at = std::find_if(entries.begin(), entries.end(), [&](const MenuEntry& e) { return e.id == from; });
    openScreen(MenuScreen::Options, static_cast<int>(at - entries.begin()));
}

void Menus::rebind(int key)
{
    const auto action = static_cast<Action>(selected_);
    auto& keys = settings_.controls.keys;
    const int old = keys[static_cast<std::size_t>(selected_)];
    openScreen(MenuScreen::Controls, selected_);
    for (int i = 0; i < actionCount; ++i) {
        if (i != selected_ && keys[static_cast<std::size_t>(i)] == key) {
            // No two actions share a key: the other takes this one's old key.
            keys[static_cast<std::size_t>(i)] = old;
            saveKey(static_cast<Action>(i));
            message_ = "Swapped: " + actionLabel(static_cast<Action>(i)) + " is now on " + keyLabel(old);
        }
    }
    keys[static_cast<std::size_t>(selected_)] = key;
    saveKey(action);
    applyControls();
    if (saver_.unsaved()) {
        message_ = "unsaved";
    }
}

void Menus::saveKey(Action action)
{
    save("controls", std::string(actionName(action)).c_str(), std::string(keyNameOf(settings_.controls.keyFor(action))));
}

void Menus::applyControls() { live_.controls(settings_.controls, settings_.pauseOnFocusLoss); }

void Menus::save(const char* section, const char* key, const std::string& value)
{
    saver_.save(section, key, value);
    if (saver_.unsaved()) {
        message_ = "unsaved";
    } else if (message_ == "unsaved") {
        message_.clear();
    }
}

MenuView Menus::view() const
{
    MenuView view;
    view.screen = screen_;
    view.entries = entriesOf(view.screen, settings_, fullscreenShown_, padConnected_);
    view.selected = std::min(selected_, static_cast<int>(view.entries.size()) - 1);
    view.message = message_;
    const Controls& keys = settings_.controls;
    switch (view.screen) {
    case MenuScreen::Title: {
        view.heading = "TAVERNRUSH";
        view.notes.push_back("Collect " + std::to_string(coinsToWin_) + " coins within " +
                             std::to_string(static_cast<int>(std::lround(timeLimitSeconds_))) + " seconds.");
        view.notes.push_back(std::to_string(beersToLose_) + " beers and you're out.");
        const std::vector<std::string> controls = {
            "Walk " + keyLabel(keys.keyFor(Action::Forward)) + " " + keyLabel(keys.keyFor(Action::Back)) + " " +
                keyLabel(keys.keyFor(Action::Left)) + " " + keyLabel(keys.keyFor(Action::Right)) +
                (padConnected_ ? " or Stick" : ""),
            "Jump " + boundLabel(keys, Action::Jump, padConnected_),
            "Dismiss " + boundLabel(keys, Action::Dismiss, padConnected_),
            "Restart " + boundLabel(keys, Action::Restart, padConnected_),
            "Pause " + boundLabel(keys, Action::Pause, padConnected_),
        };
        // As many to a line as fit the board.
        std::string line;
        for (const std::string& control : controls) {
            if (!line.empty() && line.size() + 3 + control.size() > titleLineLetters) {
                view.notes.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : "   ") + control;
        }
        view.notes.push_back(line);
        if (!levels_.empty()) {
            const LevelOffer& level = levels_[chosenLevel_];
            const std::string best = "   Best: " + (level.bestTenths ? tenths(*level.bestTenths) : "none yet");
            view.notes.push_back(levels_.size() > 1 ? "Level: < " + level.name + " >" + best
                                                    : "Level: " + level.name + best);
        }
        if (view.message.empty()) {
            view.message = "Press " + boundLabel(keys, Action::Jump, padConnected_) + " to play";
        }
        break;
    }
    case MenuScreen::Pause: view.heading = "PAUSED"; break;
    case MenuScreen::Options: view.heading = "OPTIONS"; break;
    case MenuScreen::Graphics: view.heading = "GRAPHICS"; break;
    case MenuScreen::Controls:
    case MenuScreen::Rebind: view.heading = "CONTROLS"; break;
    }
    return view;
}

std::string Menus::prompt(const FrameScene& scene, bool withPad) const
{
    const Controls& keys = settings_.controls;
    for (const ShownPicture& shown : scene.pictures) {
        if (shown.picture == Picture::Won || shown.picture == Picture::Drunk || shown.picture == Picture::TimeUp) {
            return "Press " + boundLabel(keys, Action::Restart, withPad) + " to play again";
        }
    }
    return "Hold " + boundLabel(keys, Action::Dismiss, withPad) + " and walk away";
}

} // namespace tavernrush
