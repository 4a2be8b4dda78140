#pragma once
// A hook the renderer calls around each of its passes, so a benchmark can put
// GPU timer queries there. The game sets none; the passes then cost nothing
// extra.

namespace tavernrush {

enum class RenderPass {
    shadow,
    ground, // the figure and the ground, the shadow's receivers
    sky,
    wall,
    items, // coins and beers
    models, // unicorns, ladder, toilet hut
    pictures, // boards, counters, the bag, the win plaque
    glowCopy,
    blur,
    composite,
    overlay, // the countdown and the PAUSED board
};
inline constexpr int renderPassCount = static_cast<int>(RenderPass::overlay) + 1;

constexpr const char* renderPassName(RenderPass pass)
{
    constexpr const char* names[renderPassCount] = {"shadow", "ground",    "sky",  "wall",      "items",  "models",
                                                    "pictures", "glow copy", "blur", "composite", "overlay"};
    return names[static_cast<int>(pass)];
}

class PassTimer {
public:
    virtual ~PassTimer() = default;
    // Passes never nest: each begin is followed by its end before the next.
    virtual void begin(RenderPass pass) = 0;
    virtual void end() = 0;
};

// Times one pass for as long as it lives, when a timer is set.
class TimedPass {
public:
    TimedPass(PassTimer* timer, RenderPass pass) : timer_(timer)
    {
        if (timer_ != nullptr) {
            timer_->begin(pass);
        }
    }
    ~TimedPass()
    {
        if (timer_ != nullptr) {
            timer_->end();
        }
    }
    TimedPass(const TimedPass&) = delete;
    TimedPass& operator=(const TimedPass&) = delete;

private:
    PassTimer* timer_;
};

} // namespace tavernrush
