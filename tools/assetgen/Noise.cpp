// Integer hashes and the noise functions built on them. stb_perlin supplies
// the gradient noise; its permutation table is fixed, so results are stable.
#include "Noise.h"

#include <stb_perlin.h>

#include <cmath>

namespace tavernrush::assetgen {

std::uint32_t hash32(std::uint32_t value)
{
    // A well-mixing 32-bit finaliser (lowbias32).
    value ^= value >> 16;
    value *= 0x7feb352du;
    value ^= value >> 15;
    value *= 0x846ca68bu;
    value ^= value >> 16;
    return value;
}

std::uint32_t hashCombine(std::uint32_t a, std::uint32_t b)
{
    return hash32(a ^ (hash32(b) + 0x9e3779b9u + (a << 6) + (a >> 2)));
}

float hashUnit(int x, int y, std::uint32_t seed)
{
    const std::uint32_t h = hashCombine(hashCombine(seed, static_cast<std::uint32_t>(x)), static_cast<std::uint32_t>(y));
    return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

float hashUnit(int x, int y, int z, std::uint32_t seed)
{
    const std::uint32_t h = hashCombine(hashCombine(hashCombine(seed, static_cast<std::uint32_t>(x)), static_cast<std::uint32_t>(y)),
                                        static_cast<std::uint32_t>(z));
    return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

namespace {

// stb_perlin takes an 8-bit seed; larger seeds also shift the domain so that
// different seeds give unrelated fields.
glm::vec3 seedOffset(std::uint32_t seed)
{
    const std::uint32_t h = hash32(seed);
    return glm::vec3(static_cast<float>(h & 0x3ffu) * 0.37f,
                     static_cast<float>((h >> 10) & 0x3ffu) * 0.53f,
                     static_cast<float>((h >> 20) & 0x3ffu) * 0.71f);
}

} // namespace

float perlin(const glm::vec3& p, std::uint32_t seed)
{
    const glm::vec3 q = p + seedOffset(seed);
    return stb_perlin_noise3_seed(q.x, q.y, q.z, 0, 0, 0, static_cast<int>(seed & 0xffu));
}

float perlinTiled(const glm::vec3& p, int periodX, int periodY, std::uint32_t seed)
{
    // Offsets along x and y must be whole periods to keep the tiling, so only
    // z is shifted by the seed.
    const float dz = seedOffset(seed).z;
    return stb_perlin_noise3_seed(p.x, p.y, p.z + dz, periodX, periodY, 0, static_cast<int>(seed & 0xffu));
}

float fbm(const glm::vec3& p, int octaves, std::uint32_t seed, float gain)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float norm = 0.0f;
    glm::vec3 q = p;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * perlin(q, seed + static_cast<std::uint32_t>(i) * 101u);
        norm += amplitude;
        amplitude *= gain;
        q *= 2.0f;
    }
    return sum / norm;
}

float fbmTiled(const glm::vec2& p, int period, int octaves, std::uint32_t seed, float gain)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float norm = 0.0f;
    glm::vec2 q = p;
    int currentPeriod = period;
    for (int i = 0; i < octaves && currentPeriod <= 256; ++i) {
        sum += amplitude * perlinTiled(glm::vec3(q, static_cast<float>(i) * 3.1f), currentPeriod, currentPeriod,
                                       seed + static_cast<std::uint32_t>(i) * 101u);
        norm += amplitude;
        amplitude *= gain;
        q *= 2.0f;
        currentPeriod *= 2;
    }
    return sum / norm;
}

CellSample cellular(const glm::vec2& p, std::uint32_t seed, float jitter)
{
    const glm::ivec2 base(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y)));
    CellSample result;
    result.nearest = 1e9f;
    result.secondNearest = 1e9f;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const glm::ivec2 cell = base + glm::ivec2(dx, dy);
            const glm::vec2 feature = glm::vec2(cell) + 0.5f
                + jitter * (glm::vec2(hashUnit(cell.x, cell.y, seed), hashUnit(cell.x, cell.y, seed + 7u)) - 0.5f);
            const float d = glm::length(p - feature);
            if (d < result.nearest) {
                result.secondNearest = result.nearest;
                result.nearest = d;
                result.cell = cell;
                result.feature = feature;
            } else if (d < result.secondNearest) {
                result.secondNearest = d;
            }
        }
    }
    return result;
}

std::uint32_t Sequence::next()
{
    state_ = state_ * 747796405u + 2891336453u;
    const std::uint32_t word = ((state_ >> ((state_ >> 28u) + 4u)) ^ state_) * 277803737u;
    return (word >> 22u) ^ word;
}

float Sequence::unit()
{
    return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f);
}

float Sequence::range(float low, float high)
{
    return low + (high - low) * unit();
}

} // namespace tavernrush::assetgen
