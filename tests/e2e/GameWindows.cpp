#include "GameWindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace tavernrush::e2e {
namespace {

// A window may close between listing and reading it; Xlib's default handler
// would end the test program for that.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

std::optional<unsigned long> processIdOf(Display* display, Window window)
{
    const Atom pidProperty = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> id;
    if (XGetWindowProperty(display, window, pidProperty, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr && type == XA_CARDINAL && format == 32 && count == 1) {
        // Xlib hands 32-bit properties back as longs.
        id = static_cast<unsigned long>(*reinterpret_cast<long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return id;
}

bool sendKey(Display* display, Window window, int type, unsigned int keycode)
{
    XKeyEvent key{};
    key.type = type;
    key.display = display;
    key.window = window;
    key.root = DefaultRootWindow(display);
    key.subwindow = None;
    key.time = CurrentTime;
    key.same_screen = True;
    key.keycode = keycode;
    XEvent event{};
    event.xkey = key;
    return XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event) != 0;
}

} // namespace

GameWindows::GameWindows()
{
    display_ = XOpenDisplay(nullptr);
    if (display_ != nullptr) {
        XSetErrorHandler(ignoreErrors);
    }
}

GameWindows::~GameWindows()
{
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

std::optional<unsigned long> GameWindows::visibleWindowOf(pid_t id)
{
    if (display_ == nullptr) {
        return std::nullopt;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<unsigned long> found;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0) {
        return found;
    }
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (processIdOf(display_, children[i]) == static_cast<unsigned long>(id) &&
            XGetWindowAttributes(display_, children[i], &attributes) != 0 && attributes.map_state == IsViewable) {
            found = children[i];
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

std::optional<WindowSize> GameWindows::size(unsigned long window)
{
    XWindowAttributes attributes{};
    if (display_ == nullptr || XGetWindowAttributes(display_, window, &attributes) == 0) {
        return std::nullopt;
    }
    return WindowSize{attributes.width, attributes.height};
}

std::optional<std::string> GameWindows::title(unsigned long window)
{
    if (display_ == nullptr) {
        return std::nullopt;
    }
    const Atom netName = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<std::string> title;
    // Up to 64 KiB (the length counts 32-bit units): far more than any title.
    if (XGetWindowProperty(display_, window, netName, 0, 16384, False, utf8, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr && type == utf8 && format == 8) {
        title = std::string(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return title;
}

bool GameWindows::sendEscape(unsigned long window)
{
    if (display_ == nullptr) {
        return false;
    }
    const unsigned int keycode = XKeysymToKeycode(display_, XK_Escape);
    const bool sent = keycode != 0 && sendKey(display_, window, KeyPress, keycode) &&
                      sendKey(display_, window, KeyRelease, keycode);
    XSync(display_, False);
    return sent;
}

bool GameWindows::sendKeyEvent(unsigned long window, const std::string& keysymName, bool press)
{
    if (display_ == nullptr) {
        return false;
    }
    const KeySym keysym = XStringToKeysym(keysymName.c_str());
    const unsigned int keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(display_, keysym);
    const bool sent = keycode != 0 && sendKey(display_, window, press ? KeyPress : KeyRelease, keycode);
    XSync(display_, False);
    return sent;
}

} // namespace tavernrush::e2e
