#pragma once
// Small GL fixtures for drawing with the game's programs in tests: a 16 x 16
// target shaped like the scene target (two colour outputs and a depth
// texture), a full-viewport quad with every vertex attribute, and tiny
// textures with known contents.

#include "render/GlName.h"

#include "support/GlTestContext.h"

#include <glm/glm.hpp>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

namespace tavernrush::testing::shaderdraw {

struct Rgba {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 0;
};

std::ostream& operator<<(std::ostream& out, const Rgba& color);

inline constexpr Rgba black{0, 0, 0, 255};
// 8-bit rounding plus the small off-centre angle of a probed pixel.
inline constexpr int tolerance = 2;

// Every channel within `tolerance` of the expected value.
::testing::AssertionResult colorNear(const Rgba& actual, const Rgba& expected, int tolerance);

class TinyTarget {
public:
    static constexpr int size = 16;

    TinyTarget();

    void bind() const;
    // Colour output `attachment` (0 or 1), row by row from the bottom.
    std::vector<Rgba> readColor(int attachment) const;
    std::vector<float> readDepth() const;

    Rgba pixel(int attachment, int x, int y) const { return readColor(attachment)[static_cast<std::size_t>(y * size + x)]; }
    Rgba centre(int attachment) const { return pixel(attachment, size / 2, size / 2); }

private:
    FramebufferName framebuffer_;
    std::array<TextureName, 2> colors_;
    TextureName depth_;
};

// A GL test with a fresh TinyTarget bound as the draw target.
class TinyTargetGLTest : public GlTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Fills both colour outputs with a colour no program writes, so a pixel a
    // program fails to cover stays visible, and the depth with `depth`.
    void clearTarget(float depth = 1.0f);
    // Asserts every pixel of colour output `attachment` within `tolerance`.
    void expectEveryPixel(int attachment, const Rgba& expected);

    std::unique_ptr<TinyTarget> target;
};

// The square -1..1 in the plane z = 0, facing +z, with uv 0..1, drawn as a
// counter-clockwise strip. Without a tangent frame attributes 3 and 4 stay
// disabled, as for the game's generated shapes.
class TestQuad {
public:
    explicit TestQuad(bool withTangentFrame);

    void draw() const;

private:
    VertexArrayName vertexArray_;
    BufferName vertices_;
};

// A vertex array without buffers, for the one-point draws of the bloom passes.
class EmptyVertexArray {
public:
    EmptyVertexArray() : name_(createVertexArray()) {}
    void drawPoint() const;

private:
    VertexArrayName name_;
};

// A cube of half-size 1 about the origin (36 vertices, positions only), like
// the sky box.
class TestCube {
public:
    TestCube();
    void draw() const;

private:
    VertexArrayName vertexArray_;
    BufferName vertices_;
};

TextureName solidTexture(const Rgba& color);
// Like a picture that failed to load: a valid name with a 0 x 0 level.
TextureName emptyTexture();
// width x height texels, black except the listed ones.
TextureName sparseTexture(int width, int height, const std::vector<std::pair<glm::ivec2, Rgba>>& lit);
// A depth map whose depth is given per texel by `depthAt`(x, y).
template <typename DepthAt>
TextureName depthTexture(int size, DepthAt depthAt)
{
    std::vector<float> depths;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            depths.push_back(depthAt(x, y));
        }
    }
    TextureName texture = createTexture();
    glBindTexture(GL_TEXTURE_2D, texture.get());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, size, size, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}
// Six 1 x 1 faces in GL order +X, -X, +Y, -Y, +Z, -Z.
TextureName cubeTexture(const std::array<Rgba, 6>& faces);

void bindTexture(int unit, GLenum target, const TextureName& texture);

} // namespace tavernrush::testing::shaderdraw
