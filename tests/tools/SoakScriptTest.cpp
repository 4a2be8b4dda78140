// The soak input generator: the same seed gives the same script, the text
// reads back through the replay tool's own parser, and every input the game
// reads is used, inside the run, even in a short run.

#include "app/KeyNames.h"
#include "soak/ScriptText.h"
#include "soak/SoakScript.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace tavernrush {
namespace {

constexpr int allKeys[] = {GLFW_KEY_UP, GLFW_KEY_DOWN, GLFW_KEY_LEFT, GLFW_KEY_RIGHT, GLFW_KEY_SPACE, GLFW_KEY_F10,
                           GLFW_KEY_H,  GLFW_KEY_D,    GLFW_KEY_N,    GLFW_KEY_F,     GLFW_KEY_C, GLFW_KEY_M};

bool sameFrames(const FrameRange& a, const FrameRange& b) { return a.first == b.first && a.last == b.last; }

void expectSameScript(const ReplayScript& actual, const ReplayScript& expected)
{
    ASSERT_EQ(actual.keys.size(), expected.keys.size());
    for (std::size_t i = 0; i < actual.keys.size(); ++i) {
        EXPECT_TRUE(sameFrames(actual.keys[i].frames, expected.keys[i].frames)) << "key hold " << i;
        EXPECT_EQ(actual.keys[i].key, expected.keys[i].key) << "key hold " << i;
    }
    ASSERT_EQ(actual.buttons.size(), expected.buttons.size());
    for (std::size_t i = 0; i < actual.buttons.size(); ++i) {
        EXPECT_TRUE(sameFrames(actual.buttons[i].frames, expected.buttons[i].frames)) << "button hold " << i;
        EXPECT_EQ(actual.buttons[i].button, expected.buttons[i].button) << "button hold " << i;
    }
    ASSERT_EQ(actual.cursor.size(), expected.cursor.size());
    for (std::size_t i = 0; i < actual.cursor.size(); ++i) {
        EXPECT_TRUE(sameFrames(actual.cursor[i].frames, expected.cursor[i].frames)) << "cursor " << i;
        EXPECT_EQ(actual.cursor[i].position, expected.cursor[i].position) << "cursor " << i;
    }
    ASSERT_EQ(actual.scrolls.size(), expected.scrolls.size());
    for (std::size_t i = 0; i < actual.scrolls.size(); ++i) {
        EXPECT_EQ(actual.scrolls[i].frame, expected.scrolls[i].frame) << "scroll " << i;
        EXPECT_EQ(actual.scrolls[i].yoffset, expected.scrolls[i].yoffset) << "scroll " << i;
    }
    EXPECT_EQ(actual.escapeReleases, expected.escapeReleases);
}

TEST(SoakScriptTest, SameSeedGivesTheSameScriptAndOtherSeedsOtherScripts)
{
    const std::string first = formatReplayScript(generateSoakScript({7, 3000, false}));
    EXPECT_EQ(formatReplayScript(generateSoakScript({7, 3000, false})), first);
    EXPECT_NE(formatReplayScript(generateSoakScript({8, 3000, false})), first);
}

TEST(SoakScriptTest, TheTextReadsBackAsTheSameScript)
{
    for (const std::uint32_t seed : {1u, 99u, 4294967295u}) {
        const ReplayScript script = generateSoakScript({seed, 5000, true});
        const std::string text = formatReplayScript(script, "soak seed " + std::to_string(seed));
        EXPECT_EQ(text.rfind("# soak seed ", 0), 0u);
        ScriptParse parse = parseReplayScript(text);
        if (const auto* error = std::get_if<ScriptError>(&parse)) {
            FAIL() << "seed " << seed << ": " << error->message();
        }
        expectSameScript(std::get<ReplayScript>(parse), script);
    }
}

TEST(SoakScriptTest, EveryInputIsUsedWithinTheFirstHalfOfTheRun)
{
    constexpr long frames = 2000;
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        const ReplayScript script = generateSoakScript({seed, frames, false});
        for (const int key : allKeys) {
            const bool early = std::any_of(script.keys.begin(), script.keys.end(), [key](const KeyHold& hold) {
                return hold.key == key && hold.frames.first < frames / 2;
            });
            EXPECT_TRUE(early) << "seed " << seed << " key " << keyNameOf(key);
        }
        for (const MouseButton button : {MouseButton::Left, MouseButton::Right}) {
            const bool early =
                std::any_of(script.buttons.begin(), script.buttons.end(), [button](const ButtonHold& hold) {
                    return hold.button == button && hold.frames.first < frames / 2;
                });
            EXPECT_TRUE(early) << "seed " << seed << " button " << static_cast<int>(button);
        }
        ASSERT_FALSE(script.scrolls.empty()) << "seed " << seed;
        EXPECT_LT(script.scrolls.front().frame, frames / 2) << "seed " << seed;
        const bool cursorMoves =
            std::any_of(script.cursor.begin(), script.cursor.end(), [&](const CursorPlacement& placement) {
                return placement.position != script.cursor.front().position;
            });
        EXPECT_TRUE(cursorMoves) << "seed " << seed;
        EXPECT_TRUE(script.escapeReleases.empty());
    }
}

TEST(SoakScriptTest, AllInputLiesInsideTheRunAndTheCursorIsPlacedOncePerFrame)
{
    for (const long frames : {1L, 2L, 37L, 20000L}) {
        const ReplayScript script = generateSoakScript({3, frames, true});
        const auto inside = [frames](const FrameRange& range) {
            return range.first >= 0 && range.first <= range.last && range.last < frames;
        };
        for (const KeyHold& hold : script.keys) {
            EXPECT_TRUE(inside(hold.frames)) << frames << ": " << hold.frames.first << "-" << hold.frames.last;
        }
        for (const ButtonHold& hold : script.buttons) {
            EXPECT_TRUE(inside(hold.frames)) << frames << ": " << hold.frames.first << "-" << hold.frames.last;
        }
        for (const ScrollEvent& scroll : script.scrolls) {
            EXPECT_TRUE(scroll.frame >= 0 && scroll.frame < frames) << frames << ": " << scroll.frame;
            EXPECT_NE(scroll.yoffset, 0.0);
        }
        // The cursor lines tile the run in order, so its position is never
        // left to the replay's "last line wins" rule.
        long next = 0;
        for (const CursorPlacement& placement : script.cursor) {
            ASSERT_EQ(placement.frames.first, next) << frames;
            ASSERT_GE(placement.frames.last, placement.frames.first) << frames;
            next = placement.frames.last + 1;
        }
        EXPECT_EQ(next, frames);
        EXPECT_EQ(script.escapeReleases, std::vector<long>{frames - 1});
    }
}

TEST(SoakScriptTest, HoldsOfOneKeyAreSeparatePresses)
{
    // Back-to-back holds would read as one long press: F10 acts on presses
    // only, so the script would do less than it says. (F is also held with
    // every F10 tap, overlapping its own holds, which is harmless.)
    const ReplayScript script = generateSoakScript({11, 20000, false});
    std::map<int, long> lastEnd;
    for (const KeyHold& hold : script.keys) {
        if (hold.key == GLFW_KEY_F) {
            continue;
        }
        const auto previous = lastEnd.find(hold.key);
        if (previous != lastEnd.end()) {
            EXPECT_GT(hold.frames.first, previous->second + 1) << keyNameOf(hold.key) << " at " << hold.frames.first;
        }
        lastEnd[hold.key] = hold.frames.last;
    }
    EXPECT_EQ(lastEnd.size(), std::size(allKeys) - 1);
}

// Whether the window is full size after `frame`: every F10 press toggles, and
// F held with it makes sure no picture swallows the press.
bool fullscreenAfter(const ReplayScript& script, long frame)
{
    bool fullscreen = false;
    for (const KeyHold& hold : script.keys) {
        if (hold.key == GLFW_KEY_F10 && hold.frames.first <= frame) {
            fullscreen = !fullscreen;
        }
    }
    return fullscreen;
}

TEST(SoakScriptTest, FullScreenLooksNeverCoverTheFramesWhereMemoryIsCompared)
{
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        for (const long frames : {2000L, 20000L}) {
            const ReplayScript script = generateSoakScript({seed, frames, false});
            long taps = 0;
            for (const KeyHold& hold : script.keys) {
                if (hold.key != GLFW_KEY_F10) {
                    continue;
                }
                ++taps;
                const bool fHeld = std::any_of(script.keys.begin(), script.keys.end(), [&](const KeyHold& other) {
                    return other.key == GLFW_KEY_F && other.frames.contains(hold.frames.first);
                });
                EXPECT_TRUE(fHeld) << "seed " << seed << " F10 at " << hold.frames.first;
            }
            EXPECT_EQ(taps % 2, 0) << "seed " << seed;
            for (long frame = 1000; frame < frames; frame += 1000) {
                EXPECT_FALSE(fullscreenAfter(script, frame)) << "seed " << seed << " frame " << frame;
            }
            for (long frame = frames - 100; frame < frames; ++frame) {
                EXPECT_FALSE(fullscreenAfter(script, frame)) << "seed " << seed << " frame " << frame;
            }
        }
    }
}

} // namespace
} // namespace tavernrush
