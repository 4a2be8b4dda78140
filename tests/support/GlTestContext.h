#pragma once
// A hidden GL 4 core debug context for GL tests, with every debug message the
// driver reports collected so a test can assert that a step produced none.

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavernrush::testing {

class GlTestContext {
public:
    GlTestContext(int width = 64, int height = 64);
    ~GlTestContext();

    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    bool ok() const { return window_ != nullptr; }
    GLFWwindow* window() const { return window_; }

    // Messages reported since the last call, cleared by the call.
    std::vector<std::string> takeMessages();

private:
    GLFWwindow* window_ = nullptr;
};

// Base fixture: one context per test, and a check after each test that the
// driver reported nothing.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Fails the test if any debug message arrived since the last check.
    void expectNoGlMessages();

    std::unique_ptr<GlTestContext> context;
};

} // namespace tavernrush::testing
