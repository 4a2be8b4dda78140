// Kept out of line and built without floating-point contraction (see
// sources.cmake): a fused multiply-add would skip the rounding of the product
// and move items by a last bit away from where the layouts put them.

#include "game/Random.h"

namespace tavernrush {

namespace {
constexpr float twoToThe32 = 4294967296.0f;
}

float uniformDraw(RandomEngine& engine, float a, float b)
{
    return uniformFromOutput(static_cast<std::uint32_t>(engine()), a, b);
}

float uniformFromOutput(std::uint32_t output, float a, float b)
{
    const float unit = static_cast<float>(output) / twoToThe32;
    const float span = b - a;
    return span * unit + a;
}

} // namespace tavernrush
