#include "ShaderDrawHelpers.h"

#include <cstddef>
#include <cstdlib>

namespace tavernrush::testing::shaderdraw {
namespace {

struct Vertex {
    glm::vec3 position;
    glm::vec3 normal;
    glm::vec2 uv;
    glm::vec3 tangent;
    glm::vec3 bitangent;
};

void attribute(GLuint location, int components, std::size_t offset)
{
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offset));
}

TextureName colorTexture(int width, int height, const std::vector<unsigned char>& texels)
{
    TextureName texture = createTexture();
    glBindTexture(GL_TEXTURE_2D, texture.get());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texels.empty() ? nullptr : texels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // Nearest and no mipmaps, as the game's render targets.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

void pushTexel(std::vector<unsigned char>& texels, const Rgba& color)
{
    for (const int channel : {color.r, color.g, color.b, color.a}) {
        texels.push_back(static_cast<unsigned char>(channel));
    }
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Rgba& color)
{
    return out << "(" << color.r << ", " << color.g << ", " << color.b << ", " << color.a << ")";
}

::testing::AssertionResult colorNear(const Rgba& actual, const Rgba& expected, int tolerance)
{
    const bool near = std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance
                      && std::abs(actual.b - expected.b) <= tolerance && std::abs(actual.a - expected.a) <= tolerance;
    if (near) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
}

TinyTarget::TinyTarget() : framebuffer_(createFramebuffer()), depth_(createTexture())
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        colors_[i] = colorTexture(size, size, {});
        glFramebufferTexture2D(GL_FRAMEBUFFER, static_cast<GLenum>(GL_COLOR_ATTACHMENT0 + i), GL_TEXTURE_2D,
                               colors_[i].get(), 0);
    }
    glBindTexture(GL_TEXTURE_2D, depth_.get());
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, size, size, 0, GL_DEPTH_COMPONENT, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth_.get(), 0);
    const GLenum outputs[] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1};
    glDrawBuffers(2, outputs);
    EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
    glViewport(0, 0, size, size);
}

void TinyTarget::bind() const
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
    glViewport(0, 0, size, size);
}

std::vector<Rgba> TinyTarget::readColor(int attachment) const
{
    bind();
    glReadBuffer(static_cast<GLenum>(GL_COLOR_ATTACHMENT0 + attachment));
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size * size * 4));
    glReadPixels(0, 0, size, size, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
    std::vector<Rgba> pixels;
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        pixels.push_back({bytes[i], bytes[i + 1], bytes[i + 2], bytes[i + 3]});
    }
    return pixels;
}

std::vector<float> TinyTarget::readDepth() const
{
    bind();
    std::vector<float> depths(static_cast<std::size_t>(size * size));
    glReadPixels(0, 0, size, size, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
    return depths;
}

void TinyTargetGLTest::SetUp()
{
    GlTest::SetUp();
    if (HasFatalFailure()) {
        return;
    }
    target = std::make_unique<TinyTarget>();
}

// The target's GL objects go before the context that owns them.
void TinyTargetGLTest::TearDown()
{
    target.reset();
    GlTest::TearDown();
}

void TinyTargetGLTest::clearTarget(float depth)
{
    target->bind();
    glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
    glClearDepth(depth);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void TinyTargetGLTest::expectEveryPixel(int attachment, const Rgba& expected)
{
    const std::vector<Rgba> pixels = target->readColor(attachment);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        ASSERT_TRUE(colorNear(pixels[i], expected, tolerance)) << "output " << attachment << " pixel " << i;
    }
}

TestQuad::TestQuad(bool withTangentFrame) : vertexArray_(createVertexArray()), vertices_(createBuffer())
{
    const glm::vec3 normal(0.0f, 0.0f, 1.0f);
    const glm::vec3 tangent(1.0f, 0.0f, 0.0f);
    const glm::vec3 bitangent(0.0f, 1.0f, 0.0f);
    const Vertex strip[] = {
        {{-1.0f, -1.0f, 0.0f}, normal, {0.0f, 0.0f}, tangent, bitangent},
        {{1.0f, -1.0f, 0.0f}, normal, {1.0f, 0.0f}, tangent, bitangent},
        {{-1.0f, 1.0f, 0.0f}, normal, {0.0f, 1.0f}, tangent, bitangent},
        {{1.0f, 1.0f, 0.0f}, normal, {1.0f, 1.0f}, tangent, bitangent},
    };
    glBindVertexArray(vertexArray_.get());
    glBindBuffer(GL_ARRAY_BUFFER, vertices_.get());
    glBufferData(GL_ARRAY_BUFFER, sizeof strip, strip, GL_STATIC_DRAW);
    attribute(0, 3, offsetof(Vertex, position));
    attribute(1, 3, offsetof(Vertex, normal));
    attribute(2, 2, offsetof(Vertex, uv));
    if (withTangentFrame) {
        attribute(3, 3, offsetof(Vertex, tangent));
        attribute(4, 3, offsetof(Vertex, bitangent));
    }
    glBindVertexArray(0);
}

void TestQuad::draw() const
{
    glBindVertexArray(vertexArray_.get());
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glBindVertexArray(0);
}

void EmptyVertexArray::drawPoint() const
{
    glBindVertexArray(name_.get());
    glDrawArrays(GL_POINTS, 0, 1);
    glBindVertexArray(0);
}

TestCube::TestCube() : vertexArray_(createVertexArray()), vertices_(createBuffer())
{
    // Two triangles per face; the winding does not matter without culling.
    std::vector<glm::vec3> corners;
    for (int axis = 0; axis < 3; ++axis) {
        for (const float side : {-1.0f, 1.0f}) {
            const int u = (axis + 1) % 3;
            const int v = (axis + 2) % 3;
            const auto corner = [&](float a, float b) {
                glm::vec3 p(0.0f);
                p[axis] = side;
                p[u] = a;
                p[v] = b;
                corners.push_back(p);
            };
            corner(-1, -1);
            corner(1, -1);
            corner(1, 1);
            corner(1, 1);
            corner(-1, 1);
            corner(-1, -1);
        }
    }
    glBindVertexArray(vertexArray_.get());
    glBindBuffer(GL_ARRAY_BUFFER, vertices_.get());
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(corners.size() * sizeof(glm::vec3)), corners.data(),
                 GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(glm::vec3), nullptr);
    glBindVertexArray(0);
}

void TestCube::draw() const
{
    glBindVertexArray(vertexArray_.get());
    glDrawArrays(GL_TRIANGLES, 0, 36);
    glBindVertexArray(0);
}

TextureName solidTexture(const Rgba& color)
{
    std::vector<unsigned char> texels;
    pushTexel(texels, color);
    return colorTexture(1, 1, texels);
}

TextureName emptyTexture() { return colorTexture(0, 0, {}); }

TextureName sparseTexture(int width, int height, const std::vector<std::pair<glm::ivec2, Rgba>>& lit)
{
    std::vector<unsigned char> texels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgba color{0, 0, 0, 255};
            for (const auto& [at, value] : lit) {
                if (at == glm::ivec2(x, y)) {
                    color = value;
                }
            }
            pushTexel(texels, color);
        }
    }
    return colorTexture(width, height, texels);
}

TextureName cubeTexture(const std::array<Rgba, 6>& faces)
{
    TextureName texture = createTexture();
    glBindTexture(GL_TEXTURE_CUBE_MAP, texture.get());
    for (std::size_t face = 0; face < faces.size(); ++face) {
        std::vector<unsigned char> texel;
        pushTexel(texel, faces[face]);
        glTexImage2D(static_cast<GLenum>(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face), 0, GL_RGBA8, 1, 1, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, texel.data());
    }
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_CUBE_MAP, 0);
    return texture;
}

void bindTexture(int unit, GLenum target, const TextureName& texture)
{
    glActiveTexture(static_cast<GLenum>(GL_TEXTURE0 + unit));
    glBindTexture(target, texture.get());
}

} // namespace tavernrush::testing::shaderdraw
