#include "scene/PictureBoards.h"

#include "render/Shapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <numbers>

namespace tavernrush {
namespace {

// Every board is a plane of two triangles.
constexpr int boardIndexCount = 6;
constexpr float screenBoardSide = 7.0f;

Geometry makeScreenBoard(MaterialPtr material)
{
    return Geometry(uprightBoardRotation(), createPlane(screenBoardSide, screenBoardSide), std::move(material));
}

} // namespace

glm::mat4 uprightBoardRotation()
{
    return glm::rotate(glm::mat4(1.0f), std::numbers::pi_v<float> * 0.5f, glm::vec3(-1.0f, 0.0f, 0.0f));
}

PictureBoards::PictureBoards(MaterialPtr animation, MaterialPtr won, MaterialPtr timeUp, MaterialPtr drunk,
                             MaterialPtr unicorn, MaterialPtr toilet)
    // Placed by each draw where the level has it.
    : animationBoard_(uprightBoardRotation(), createPlane(5.0f, 3.0f), std::move(animation)),
      // In the order of Picture: Toilet, Won, Drunk, TimeUp, Unicorn.
      screenBoards_{makeScreenBoard(std::move(toilet)), makeScreenBoard(std::move(won)),
                    makeScreenBoard(std::move(drunk)), makeScreenBoard(std::move(timeUp)),
                    makeScreenBoard(std::move(unicorn))}
{
    static_assert(static_cast<int>(Picture::Toilet) == 0 && static_cast<int>(Picture::Won) == 1 &&
                      static_cast<int>(Picture::Drunk) == 2 && static_cast<int>(Picture::TimeUp) == 3 &&
                      static_cast<int>(Picture::Unicorn) == 4,
                  "the board list follows the order of Picture");
}

void PictureBoards::drawAnimationBoard(Shader& phong, const glm::mat4& model)
{
    animationBoard_.setModelMatrix(model);
    phong.setUniform("modelMatrix", animationBoard_.getModelMatrix());
    phong.setUniform("normalMatrix", animationBoard_.getNormalMatrix());
    animationBoard_.drawQuad(boardIndexCount);
}

void PictureBoards::drawScreenBoard(Picture picture, const glm::mat4& model, Shader& phong)
{
    Geometry& board = screenBoard(picture);
    board.setModelMatrix(model);
    phong.setUniform("modelMatrix", board.getModelMatrix());
    board.drawQuad(boardIndexCount);
}

} // namespace tavernrush
