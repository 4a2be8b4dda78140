#pragma once
// Deterministic noise. Every random-looking detail of the assets comes from
// integer hashes of positions and fixed seeds, never from a global engine, so
// a file depends only on its own code and two runs write the same bytes.

#include <glm/glm.hpp>

#include <cstdint>

namespace tavernrush::assetgen {

std::uint32_t hash32(std::uint32_t value);
std::uint32_t hashCombine(std::uint32_t a, std::uint32_t b);

// Uniform value in [0, 1) for an integer lattice point and a seed.
float hashUnit(int x, int y, std::uint32_t seed);
float hashUnit(int x, int y, int z, std::uint32_t seed);

// Smooth gradient noise in about [-1, 1].
float perlin(const glm::vec3& p, std::uint32_t seed);
// Gradient noise that tiles with the given periods (powers of two up to 256).
float perlinTiled(const glm::vec3& p, int periodX, int periodY, std::uint32_t seed);

// Sum of octaves, each with double the frequency and `gain` times the
// amplitude of the previous one; normalised to about [-1, 1].
float fbm(const glm::vec3& p, int octaves, std::uint32_t seed, float gain = 0.5f);
float fbmTiled(const glm::vec2& p, int period, int octaves, std::uint32_t seed, float gain = 0.5f);

// Cellular noise on a jittered grid with cell size 1.
struct CellSample {
    float nearest = 0.0f;       // distance to the closest feature point
    float secondNearest = 0.0f; // distance to the next one
    glm::ivec2 cell{0};         // grid cell of the closest feature point
    glm::vec2 feature{0.0f};    // position of the closest feature point
};
CellSample cellular(const glm::vec2& p, std::uint32_t seed, float jitter = 0.8f);

// A small deterministic sequence for placing things (stars, flowers, confetti).
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next();
    float unit();                      // [0, 1)
    float range(float low, float high); // [low, high)

private:
    std::uint32_t state_;
};

} // namespace tavernrush::assetgen
