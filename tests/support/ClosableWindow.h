#pragma once
// A window for running the real frame loop without a display: it closes when
// asked, and after 1,000 frames at the latest so a run that is never stopped
// fails instead of hanging the test.

#include "app/WindowControl.h"

#include <gtest/gtest.h>

namespace tavernrush::testing {

class ClosableWindow : public WindowControl {
public:
    bool shouldClose() const override { return closeRequested_; }
    void requestClose() override { closeRequested_ = true; }
    void pollEvents() override {}
    void swapBuffers() override
    {
        // A run the observer fails to stop must not hang the test.
        if (++swaps_ >= 1000) {
            ADD_FAILURE() << "the replay never ended";
            closeRequested_ = true;
        }
    }
    glm::ivec2 framebufferSize() const override { return {64, 48}; }
    void leaveFullscreen(int, int) override {}
    bool enterFullscreen() override { return false; }

private:
    bool closeRequested_ = false;
    int swaps_ = 0;
};

} // namespace tavernrush::testing
