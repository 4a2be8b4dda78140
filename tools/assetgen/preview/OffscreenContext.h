#pragma once
// A hidden window with a GL 4 core context, current for the owner's life:
// the model sheets are drawn by the game's GL code off screen.

struct GLFWwindow;

namespace tavernrush::assetgen {

class OffscreenContext {
public:
    OffscreenContext();
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    bool ok() const { return window_ != nullptr; }

private:
    GLFWwindow* window_ = nullptr;
};

} // namespace tavernrush::assetgen
