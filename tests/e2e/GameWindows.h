#pragma once
// The game's window seen from outside through the X server: found by the
// process id GLFW records on it (_NET_WM_PID), so the windows of other tests
// on the same display never count, and closed with Escape the way a player
// closes it.
//
// Escape goes to the window as a sent event (XSendEvent), which GLFW takes
// like a typed key whether or not the window has the focus. Faked keyboard
// input (XTEST, which xdotool also falls back to when the window has the
// focus) would go to whichever window holds the focus when the server gets
// to it: with no window manager every new GLFW window takes the focus, so
// under parallel tests the key could land in another test's game.

#include <sys/types.h>

#include <optional>
#include <string>

struct _XDisplay;

namespace tavernrush::e2e {

struct WindowSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

class GameWindows {
public:
    // Connects to $DISPLAY; connected() is false where there is none.
    GameWindows();
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    bool connected() const { return display_ != nullptr; }

    // The top-level window of process `id` that is on screen now, if any.
    // GLFW's hidden helper window is never mapped and does not count.
    std::optional<unsigned long> visibleWindowOf(pid_t id);
    std::optional<WindowSize> size(unsigned long window);
    std::optional<std::string> title(unsigned long window);
    // Presses and releases Escape in `window`; false if the server refused.
    bool sendEscape(unsigned long window);
    // Presses, or releases, the key of an X keysym name ("F12") in `window`;
    // a key pressed stays down until released, so a game that polls its
    // keys sees it in whichever frame it looks.
    bool sendKeyEvent(unsigned long window, const std::string& keysymName, bool press);

private:
    _XDisplay* display_ = nullptr;
};

} // namespace tavernrush::e2e
