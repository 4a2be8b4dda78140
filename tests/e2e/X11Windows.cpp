#include "X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <utility>

namespace tavernrush::e2e {
namespace {

// A window may close between listing and reading it; Xlib's default handler
// would end the test program for that.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

std::optional<unsigned long> cardinalProperty(Display* display, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> value;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr) {
        if (type == XA_CARDINAL && format == 32 && count == 1) {
            // Xlib hands 32-bit properties back as longs.
            value = static_cast<unsigned long>(*reinterpret_cast<long*>(data));
        }
    }
    if (data != nullptr) {
        XFree(data);
    }
    return value;
}

std::string titleOf(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr && type == utf8 && format == 8) {
        title.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) {
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) != 0 && name != nullptr) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

} // namespace

X11Windows::X11Windows()
{
    display_ = XOpenDisplay(nullptr);
    if (display_ != nullptr) {
        XSetErrorHandler(ignoreErrors);
    }
}

X11Windows::~X11Windows()
{
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

std::optional<ProcessWindow> X11Windows::windowOf(pid_t id)
{
    if (display_ == nullptr) {
        return std::nullopt;
    }
    const Atom pidProperty = XInternAtom(display_, "_NET_WM_PID", False);
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<ProcessWindow> found;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count) == 0) {
        return found;
    }
    for (unsigned int i = 0; i < count && !found; ++i) {
        if (cardinalProperty(display_, children[i], pidProperty) != static_cast<unsigned long>(id)) {
            continue;
        }
        // GLFW's hidden helper window carries no title; the game's does.
        std::string title = titleOf(display_, children[i]);
        XWindowAttributes attributes{};
        if (title.empty() || XGetWindowAttributes(display_, children[i], &attributes) == 0) {
            continue;
        }
        found = ProcessWindow{std::move(title), attributes.width, attributes.height};
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

} // namespace tavernrush::e2e
