#include "app/GraphicsChoices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tavernrush {
namespace {

// Auto stands first, as a scale below every fixed one.
constexpr float automaticChoice = 0.0f;
constexpr std::array<float, 4> renderScaleChoices{automaticChoice, 0.5f, 0.75f, 1.0f};
constexpr std::array<int, 3> msaaChoices{0, 2, 4};
constexpr std::array<int, 4> shadowSizeChoices{512, 1024, 2048, 4096};

// `choices` rise from first to last.
template <typename Value, std::size_t count>
Value stepThrough(const std::array<Value, count>& choices, Value current, int step)
{
    const auto at = std::find(choices.begin(), choices.end(), current);
    if (at != choices.end()) {
        const int size = static_cast<int>(count);
        const int index = static_cast<int>(at - choices.begin());
        return choices[static_cast<std::size_t>(((index + step) % size + size) % size)];
    }
    if (step > 0) {
        const auto above = std::upper_bound(choices.begin(), choices.end(), current);
        return above != choices.end() ? *above : choices.front();
    }
    const auto below = std::lower_bound(choices.begin(), choices.end(), current);
    return below != choices.begin() ? *(below - 1) : choices.back();
}

} // namespace

void stepRenderScale(GraphicsSettings& graphics, int step)
{
    const float current = graphics.automaticScale ? automaticChoice : graphics.renderScale;
    const float next = stepThrough(renderScaleChoices, current, step);
    graphics.automaticScale = next == automaticChoice;
    // With auto the scale read from the file is the default one, where the
    // automatic scale starts from.
    graphics.renderScale = graphics.automaticScale ? GraphicsSettings{}.renderScale : next;
}

void stepMsaa(GraphicsSettings& graphics, int step) { graphics.msaa = stepThrough(msaaChoices, graphics.msaa, step); }

void stepShadowSize(GraphicsSettings& graphics, int step)
{
    graphics.shadowSize = stepThrough(shadowSizeChoices, graphics.shadowSize, step);
}

std::string renderScaleLabel(const GraphicsSettings& graphics)
{
    if (graphics.automaticScale) {
        return "Auto";
    }
    return std::to_string(static_cast<int>(std::lround(graphics.renderScale * 100.0f))) + "%";
}

std::string msaaLabel(int samples) { return samples == 0 ? "Off" : std::to_string(samples) + "x"; }

std::string renderScaleSetting(const GraphicsSettings& graphics)
{
    if (graphics.automaticScale) {
        return "auto";
    }
    // The choices are exact in binary, so few digits read back the same float.
    char text[24];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(graphics.renderScale));
    return text;
}

} // namespace tavernrush
