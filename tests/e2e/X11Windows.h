#pragma once
// What the X server knows about the windows a process opened: the one
// outside view of the game's settings (title and size) that needs no change
// to the game. Found by the process id GLFW records on each window
// (_NET_WM_PID), so windows of other tests on the same display never count.

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>

struct _XDisplay;

namespace tavernrush::e2e {

struct ProcessWindow {
    std::string title;
    int width = 0;
    int height = 0;
};

class X11Windows {
public:
    // Connects to $DISPLAY; connected() is false where there is none.
    X11Windows();
    ~X11Windows();
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    bool connected() const { return display_ != nullptr; }
    // The first top-level window of process `id`, if it has one now.
    std::optional<ProcessWindow> windowOf(pid_t id);

private:
    _XDisplay* display_ = nullptr;
};

} // namespace tavernrush::e2e
