#pragma once
// The choices the options' Graphics screen steps through for each
// [graphics] value, how each is shown to the player, and how a render
// scale is written back in the words GraphicsSettingsReader reads.

#include "passes/GraphicsSettings.h"

#include <string>

namespace tavernrush {

// One choice on (`step` > 0) or back, round at the ends. A value written by
// hand between two choices goes to the next one that way.
void stepRenderScale(GraphicsSettings& graphics, int step); // Auto, 50%, 75%, 100%
void stepMsaa(GraphicsSettings& graphics, int step);        // 0, 2, 4 samples
void stepShadowSize(GraphicsSettings& graphics, int step);  // 512 to 4096 texels

// "Auto", "75%".
std::string renderScaleLabel(const GraphicsSettings& graphics);
// "Off", "2x", "4x".
std::string msaaLabel(int samples);
// "auto", "0.75", "1".
std::string renderScaleSetting(const GraphicsSettings& graphics);

} // namespace tavernrush
