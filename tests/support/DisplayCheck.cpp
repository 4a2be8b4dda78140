// Every GL test needs an X display (make test runs them under xvfb-run).
// Without one, a fixture that goes on to make GL objects after its context
// failed would crash, and the end-to-end tests would each fail with pages of
// the game's output. So a GL test program checks once, before any test:
// no display is one line, and no test runs.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

// Last: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>

namespace {

// A busy Xvfb now and then refuses a connection; the GL contexts retry the
// same way.
bool displayOpens()
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (Display* display = XOpenDisplay(nullptr)) {
            XCloseDisplay(display);
            return true;
        }
    }
    return false;
}

class DisplayCheck : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!displayOpens()) {
            FAIL() << "no X display for the GL tests: run them under xvfb-run";
        }
    }
};

[[maybe_unused]] const ::testing::Environment* const displayCheck =
    ::testing::AddGlobalTestEnvironment(new DisplayCheck);

} // namespace
