// The automatic render scale: it gives way when frames miss the display,
// takes room back when there is some, and holds still in between, whatever
// one odd frame says.

#include "passes/DynamicResolution.h"
#include "passes/GraphicsSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavernrush {
namespace {

// A load whose frame time goes with the pixels drawn, as a software
// rasterizer's does: `fullMs` at scale 1.
struct PixelBoundLoad {
    double fullMs;
    double at(float scale) const { return fullMs * scale * scale; }
};

// Runs `frames` frames; returns every scale handed out.
std::vector<float> run(DynamicResolution& control, const PixelBoundLoad& load, int frames)
{
    std::vector<float> scales;
    for (int frame = 0; frame < frames; ++frame) {
        scales.push_back(control.takeFrame(load.at(control.scale())));
    }
    return scales;
}

TEST(DynamicResolutionTest, AHeavyLoadSettlesWithinTheBudgetInSmallStepsAndNeverBelowTheFloor)
{
    DynamicResolution control(60.0);
    const std::vector<float> scales = run(control, PixelBoundLoad{30.0}, 600);
    float previous = 1.0f;
    for (const float scale : scales) {
        EXPECT_LE(std::abs(scale - previous), DynamicResolution::largestStep + 1e-6f);
        previous = scale;
    }
    const double settledMs = PixelBoundLoad{30.0}.at(control.scale());
    EXPECT_LE(settledMs, control.budgetMs() * DynamicResolution::shrinkAboveShare);
    EXPECT_GE(settledMs, control.budgetMs() * DynamicResolution::growBelowShare) << "no more lost than needed";
    EXPECT_EQ(scales[500], scales.back()) << "settled, not hunting";

    DynamicResolution overloaded(60.0);
    run(overloaded, PixelBoundLoad{200.0}, 600);
    EXPECT_EQ(overloaded.scale(), smallestAutomaticRenderScale);
}

TEST(DynamicResolutionTest, ComesBackToOneWhenTheLoadLightensAndHoldsInsideTheBand)
{
    DynamicResolution control(144.0);
    run(control, PixelBoundLoad{20.0}, 300);
    ASSERT_LT(control.scale(), 1.0f);
    run(control, PixelBoundLoad{2.0}, 300);
    EXPECT_EQ(control.scale(), 1.0f);

    // Frames inside the band, with one very late frame in each window.
    DynamicResolution steady(60.0);
    for (int frame = 0; frame < 240; ++frame) {
        steady.takeFrame(frame % 12 == 5 ? 80.0 : 13.5);
    }
    EXPECT_EQ(steady.scale(), 1.0f);
}

TEST(DynamicResolutionTest, ADisplayThatGivesNoRateIsTakenAsSixtyHertz)
{
    EXPECT_NEAR(DynamicResolution(0.0).budgetMs(), 1000.0 / 60.0, 1e-9);
    EXPECT_NEAR(DynamicResolution(75.0).budgetMs(), 1000.0 / 75.0, 1e-9);
}

} // namespace
} // namespace tavernrush
