// The pause on start-up errors: a console user gets time to read the message,
// while a launcher or CI run with no terminal must never hang on it.

#include "app/KeyWait.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace tavernrush {
namespace {

TEST(KeyWaitTest, WithoutATerminalNeitherPromptsNorReads)
{
    std::istringstream in("x\n");
    std::ostringstream out;
    waitForKeyPress(in, out, false);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(in.tellg(), 0) << "input was consumed although nobody can answer";
}

TEST(KeyWaitTest, OnATerminalPromptsAndWaitsForOneKey)
{
    std::istringstream in("\nrest");
    std::ostringstream out;
    waitForKeyPress(in, out, true);
    EXPECT_NE(out.str(), "");
    EXPECT_EQ(in.tellg(), 1);
}

// Puts `descriptor` on standard input for the lifetime of the object.
class StandardInputSwap {
public:
    explicit StandardInputSwap(int descriptor) : saved_(dup(STDIN_FILENO)) { dup2(descriptor, STDIN_FILENO); }
    ~StandardInputSwap()
    {
        dup2(saved_, STDIN_FILENO);
        close(saved_);
    }
    StandardInputSwap(const StandardInputSwap&) = delete;
    StandardInputSwap& operator=(const StandardInputSwap&) = delete;

private:
    int saved_;
};

TEST(StandardInputTerminalTest, APipeIsNoTerminal)
{
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    {
        const StandardInputSwap swap(ends[0]);
        EXPECT_FALSE(standardInputIsTerminal());
    }
    close(ends[0]);
    close(ends[1]);
}

TEST(StandardInputTerminalTest, APseudoTerminalIsATerminal)
{
    const int controller = posix_openpt(O_RDWR | O_NOCTTY);
    if (controller < 0 || grantpt(controller) != 0 || unlockpt(controller) != 0) {
        GTEST_SKIP() << "no pseudo-terminals available here";
    }
    const int terminal = open(ptsname(controller), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    {
        const StandardInputSwap swap(terminal);
        EXPECT_TRUE(standardInputIsTerminal());
    }
    close(terminal);
    close(controller);
}

} // namespace
} // namespace tavernrush
