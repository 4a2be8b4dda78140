// The soak input generator. Each input is an independent on/off process with
// its own hold and pause lengths, so keys overlap the way they do under a
// player's hands (walking while turning, jumping while dragging the camera).

#include "soak/SoakScript.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <array>
#include <random>

namespace tavernrush {
namespace {

struct Span {
    long shortest = 1;
    long longest = 1;
};

// Holds and pauses in frames at 60 frames per second.
struct HoldPattern {
    Span hold;
    Span pause;
};

// Draws by plain modulo on the engine's output: std's distributions differ
// between standard libraries, and a seed must name the same script anywhere.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    long between(long lowest, long highest)
    {
        return lowest + static_cast<long>(engine_() % static_cast<std::uint32_t>(highest - lowest + 1));
    }
    long within(const Span& span) { return between(span.shortest, span.longest); }
    bool percent(long chance) { return between(1, 100) <= chance; }

private:
    std::mt19937 engine_;
};

struct KeyPattern {
    int key;
    HoldPattern pattern;
};

// Walking is what a player does most; restart, the brightness keys and the
// wall's N key and mute are occasional. F10 is handled on its own (below).
constexpr std::array<KeyPattern, 11> keyPatterns = {{
    {GLFW_KEY_UP, {{20, 240}, {10, 200}}},
    {GLFW_KEY_DOWN, {{10, 90}, {60, 400}}},
    {GLFW_KEY_LEFT, {{5, 90}, {20, 300}}},
    {GLFW_KEY_RIGHT, {{5, 90}, {20, 300}}},
    {GLFW_KEY_SPACE, {{1, 30}, {30, 300}}},
    {GLFW_KEY_H, {{5, 60}, {100, 800}}},
    {GLFW_KEY_D, {{5, 60}, {100, 800}}},
    {GLFW_KEY_N, {{10, 120}, {100, 600}}},
    {GLFW_KEY_F, {{1, 40}, {60, 400}}},
    {GLFW_KEY_C, {{1, 10}, {200, 1200}}},
    {GLFW_KEY_M, {{1, 10}, {100, 800}}},
}};

constexpr HoldPattern leftDrag{{10, 150}, {30, 400}};
constexpr HoldPattern rightDrag{{10, 100}, {100, 700}};

// Window-relative cursor bounds: a drag may leave the small soak window a
// little, as a real one does.
constexpr double cursorLeft = -40.0;
constexpr double cursorRight = 200.0;
constexpr double cursorTop = -40.0;
constexpr double cursorBottom = 160.0;

struct Run {
    long lastFrame;
    // Every input starts by here, so a short run still uses them all.
    long latestFirstStart;
};

// Calls add(first, last) for each hold of an on/off process.
template <typename AddHold>
void holdsOf(const HoldPattern& pattern, const Run& run, Dice& dice, AddHold add)
{
    long start = dice.between(0, run.latestFirstStart);
    while (start <= run.lastFrame) {
        const long last = std::min(run.lastFrame, start + dice.within(pattern.hold) - 1);
        add(FrameRange{start, last});
        start = last + 1 + dice.within(pattern.pause);
    }
}

// The frame after which a soak's memory figure is taken, counting from this
// one on; and how far from the end the window is at its own size again.
constexpr long memorySampleSpacing = 1000;
constexpr long windowedTail = 100;

long nextMemorySample(long frame)
{
    return std::max(memorySampleSpacing, (frame + memorySampleSpacing - 1) / memorySampleSpacing * memorySampleSpacing);
}

// F10 switches to the monitor's full size, where every frame costs many
// times more and the driver holds far bigger buffers: a player has a look
// and switches back, so taps come in pairs a second or so apart, with long
// pauses between pairs. F is held with each tap, as a player dismisses a
// picture first: F10 does nothing while a picture is up, and a swallowed tap
// would leave the window full size for minutes. No look spans a frame where
// a soak measures memory (SoakScript.h).
void addFullscreenLooks(ReplayScript& script, const Run& run, Dice& dice)
{
    constexpr Span tap{1, 6};
    constexpr Span lookAround{20, 90};
    constexpr Span pause{1500, 4000};
    constexpr long longestLook = tap.longest + lookAround.longest + tap.longest;
    long start = dice.between(0, std::max(0L, run.latestFirstStart - longestLook));
    while (true) {
        const long firstTap = dice.within(tap);
        const long secondTap = dice.within(tap);
        const long end = start + firstTap + dice.within(lookAround) + secondTap - 1;
        if (end > run.lastFrame - windowedTail) {
            return;
        }
        if (const long sample = nextMemorySample(start); sample <= end) {
            start = sample + 1;
            continue;
        }
        for (const FrameRange frames : {FrameRange{start, start + firstTap - 1}, FrameRange{end - secondTap + 1, end}}) {
            script.keys.push_back({frames, GLFW_KEY_F10});
            script.keys.push_back({frames, GLFW_KEY_F});
        }
        start = end + 1 + dice.within(pause);
    }
}

bool anyButtonHeld(const ReplayScript& script, long frame)
{
    return std::any_of(script.buttons.begin(), script.buttons.end(),
                       [frame](const ButtonHold& hold) { return hold.frames.contains(frame); });
}

// A random walk: small quick steps while a button drags the camera, slower
// wandering otherwise, and now and then a jump as when the cursor leaves the
// window and comes back elsewhere.
void addCursorWalk(ReplayScript& script, const Run& run, Dice& dice)
{
    double x = 80.0;
    double y = 60.0;
    long frame = 0;
    while (frame <= run.lastFrame) {
        const bool dragging = anyButtonHeld(script, frame);
        const long length = dragging ? dice.between(1, 3) : dice.between(10, 90);
        const long last = std::min(run.lastFrame, frame + length - 1);
        script.cursor.push_back({{frame, last}, glm::dvec2(x, y)});
        if (dice.percent(3)) {
            x = static_cast<double>(dice.between(static_cast<long>(cursorLeft), static_cast<long>(cursorRight)));
            y = static_cast<double>(dice.between(static_cast<long>(cursorTop), static_cast<long>(cursorBottom)));
        } else {
            const long reach = dragging ? 10 : 40;
            x = std::clamp(x + static_cast<double>(dice.between(-reach, reach)), cursorLeft, cursorRight);
            y = std::clamp(y + static_cast<double>(dice.between(-reach, reach)), cursorTop, cursorBottom);
        }
        frame = last + 1;
    }
}

// A turn of the wheel is a burst of a few events in one direction; touch
// pads send fractions and fast wheels several events in one frame.
void addWheelBursts(ReplayScript& script, const Run& run, Dice& dice)
{
    constexpr std::array<double, 6> steps = {0.5, 1.0, 1.0, 1.0, 2.0, 3.0};
    long frame = dice.between(0, run.latestFirstStart);
    while (frame <= run.lastFrame) {
        const double direction = dice.percent(50) ? 1.0 : -1.0;
        const long events = dice.between(1, 6);
        for (long event = 0; event < events && frame <= run.lastFrame; ++event) {
            const double step = direction * steps[static_cast<std::size_t>(dice.between(0, steps.size() - 1))];
            script.scrolls.push_back({frame, step});
            if (!dice.percent(10)) {
                frame += dice.between(1, 4);
            }
        }
        frame += dice.between(60, 600);
    }
}

} // namespace

ReplayScript generateSoakScript(const SoakScriptRequest& request)
{
    ReplayScript script;
    if (request.frames < 1) {
        return script;
    }
    const Run run{request.frames - 1, (request.frames - 1) / 2};
    Dice dice(request.seed);

    for (const KeyPattern& key : keyPatterns) {
        holdsOf(key.pattern, run, dice, [&](FrameRange frames) { script.keys.push_back({frames, key.key}); });
    }
    addFullscreenLooks(script, run, dice);
    holdsOf(leftDrag, run, dice,
            [&](FrameRange frames) { script.buttons.push_back({frames, MouseButton::Left}); });
    holdsOf(rightDrag, run, dice,
            [&](FrameRange frames) { script.buttons.push_back({frames, MouseButton::Right}); });
    addCursorWalk(script, run, dice);
    addWheelBursts(script, run, dice);
    if (request.releaseEscapeAtEnd) {
        script.escapeReleases.push_back(run.lastFrame);
    }
    return script;
}

} // namespace tavernrush
