// The pictures and counters inside the scene: where the boards stand, that
// each picture draws its own board, and the counter spheres' orbits.

#include "scene/CounterSpheres.h"
#include "scene/PictureBoards.h"
#include "passes/SceneTarget.h"

#include "passes/PassTestSupport.h"
#include "support/GlTestContext.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace tavernrush {
namespace {

constexpr glm::u8vec4 background(0, 0, 0, 255);

class BoardsAndSpheresGLTest : public testing::GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        flat = testing::makeFlatShader();
        target = std::make_unique<SceneTarget>(100, 100);
    }

    // Renders `draw` into a 100 x 100 image seen through viewProj.
    template <typename Draw>
    testing::Image render(const glm::mat4& viewProj, Draw&& draw)
    {
        target->bindForScene();
        flat->use();
        flat->setUniform("viewProjMatrix", viewProj);
        draw();
        return testing::readFramebuffer(target->framebuffer(), GL_COLOR_ATTACHMENT0, 100, 100);
    }

    // Colours given in 8-bit steps, so they come back exactly.
    MaterialPtr material(int red) { return testing::flatMaterial(flat, glm::vec3(red, 128, 0) / 255.0f); }
    static glm::u8vec4 colorOf(const Material& material)
    {
        return glm::u8vec4(glm::round(material.diffuseColor * 255.0f), 255);
    }

    ShaderPtr flat;
    std::unique_ptr<SceneTarget> target;
    // Looking at the z = 0 plane from +z: world x 0..10 and y 0..10, ten
    // pixels per unit.
    const glm::mat4 front = glm::ortho(0.0f, 10.0f, 0.0f, 10.0f, 0.1f, 100.0f) *
                            glm::lookAt(glm::vec3(0, 0, 50), glm::vec3(0, 0, 0), glm::vec3(0, 1, 0));
};

TEST_F(BoardsAndSpheresGLTest, TheSequenceBoardStandsUprightAroundItsCentre)
{
    PictureBoards boards(material(60), material(90), material(120), material(150), material(180),
                         material(210));
    // Where the rules stand a board centred at x 4, z 0.
    const glm::mat4 placement = uprightBoardRotation() * glm::translate(glm::mat4(1.0f), glm::vec3(4.0f, 0.0f, 5.0f));
    const testing::Image image = render(front, [&] { boards.drawAnimationBoard(*flat, placement); });

    // x from 1.5 to 6.5, y from 3.5 to 6.5, in the plane z = 0.
    const glm::u8vec4 board = colorOf(boards.animationMaterial());
    EXPECT_EQ(image.at(40, 50), board);
    EXPECT_EQ(image.at(16, 36), board);
    EXPECT_EQ(image.at(64, 64), board);
    EXPECT_EQ(image.at(13, 50), background);
    EXPECT_EQ(image.at(67, 50), background);
    EXPECT_EQ(image.at(40, 33), background);
    EXPECT_EQ(image.at(40, 67), background);
}

TEST_F(BoardsAndSpheresGLTest, EachPictureDrawsItsOwnBoardWhereItIsHung)
{
    const std::array<MaterialPtr, 5> pictures{material(90), material(120), material(150), material(180),
                                              material(210)};
    PictureBoards boards(material(60), pictures[0], pictures[1], pictures[2], pictures[3], pictures[4]);
    const std::array<std::pair<Picture, int>, 5> order{std::pair{Picture::Won, 0}, std::pair{Picture::TimeUp, 1},
                                                       std::pair{Picture::Drunk, 2}, std::pair{Picture::Unicorn, 3},
                                                       std::pair{Picture::Toilet, 4}};
    for (const auto& [picture, index] : order) {
        // Hung with its centre at (5, 5, 0): 7 x 7 covers x and y 1.5..8.5.
        const glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(5, 5, 0)) * uprightBoardRotation();
        const testing::Image image = render(front, [&] { boards.drawScreenBoard(picture, model, *flat); });
        const glm::u8vec4 expected = colorOf(*pictures[static_cast<std::size_t>(index)]);
        EXPECT_EQ(image.at(50, 50), expected) << pictureBoardName(picture);
        EXPECT_EQ(image.at(16, 84), expected) << pictureBoardName(picture);
        EXPECT_EQ(image.at(13, 50), background) << pictureBoardName(picture);
    }
}

TEST_F(BoardsAndSpheresGLTest, TheCounterSpheresCircleTheEarthAtTheirOwnRadiiAndSpeeds)
{
    CounterSpheres spheres(material(60), material(120), material(180), 10.0f);
    EXPECT_EQ(spheres.earthSphere().children(), std::vector<SceneNode*>{&spheres.beerSphere()});
    EXPECT_EQ(spheres.beerSphere().children(), std::vector<SceneNode*>{&spheres.coinSphere()});

    // A third of pi seconds: the coin sphere (1.5 rad/s) turns a quarter.
    const float step = std::numbers::pi_v<float> / 3.0f / 20.0f;
    const glm::mat4 above = glm::ortho(-5.0f, 5.0f, -5.0f, 5.0f, 0.1f, 100.0f) *
                            glm::lookAt(glm::vec3(0, 50, 0), glm::vec3(0), glm::vec3(0, 0, -1));
    GLuint triangles = 0;
    testing::Image image;
    CounterTurns turns;
    for (int frame = 0; frame < 20; ++frame) {
        turns.advance(step);
        image = render(above, [&] { triangles = testing::trianglesDrawnBy([&] { spheres.draw(turns); }); });
    }

    const GLuint perSphere = static_cast<GLuint>(spheres.earthSphere().elementCount() / 3);
    EXPECT_EQ(perSphere, 64u * 31u * 2u) << "64 x 32 segments";
    EXPECT_EQ(triangles, 3 * perSphere);
    const auto pixelOf = [](float x, float z) {
        return glm::ivec2(static_cast<int>((x + 5.0f) * 10.0f), static_cast<int>((5.0f - z) * 10.0f));
    };
    const auto probe = [&](float x, float z) {
        const glm::ivec2 p = pixelOf(x, z);
        return image.at(p.x, p.y);
    };
    // Earth in place; coin at radius 2 turned to +x; beer at radius 3.5
    // turned back by a third of pi.
    const float t = std::numbers::pi_v<float> / 3.0f;
    EXPECT_EQ(probe(0.0f, 0.0f), colorOf(spheres.earthMaterial()));
    EXPECT_EQ(probe(2.0f, 0.0f), colorOf(spheres.coinMaterial()));
    EXPECT_EQ(probe(3.5f * std::sin(-t), 3.5f * std::cos(-t)), colorOf(spheres.beerMaterial()));
    EXPECT_EQ(probe(0.0f, 2.0f), background) << "the coin sphere left its start";
}

} // namespace
} // namespace tavernrush
