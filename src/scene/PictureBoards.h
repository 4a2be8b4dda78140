#pragma once
// The pictures shown inside the scene: the 5 x 3 board playing the picture
// sequence, standing upright where the level puts it, and the five 7 x 7 boards of
// the full-screen pictures, hung above the player wherever they are drawn.
// All are drawn with the lit program the caller has made current.

#include "game/Picture.h"
#include "render/Geometry.h"
#include "render/Material.h"
#include "render/Shader.h"

#include <glm/glm.hpp>

#include <array>

namespace tavernrush {

// rotate(pi/2 about -x): a plane lying at y = 0 stands up facing +z.
glm::mat4 uprightBoardRotation();

class PictureBoards {
public:
    PictureBoards(MaterialPtr animation, MaterialPtr won, MaterialPtr timeUp, MaterialPtr drunk, MaterialPtr unicorn,
                  MaterialPtr toilet);

    // The sequence board at `model`: "modelMatrix" and "normalMatrix" from
    // it, then its picture.
    void drawAnimationBoard(Shader& phong, const glm::mat4& model);
    // Moves the picture's board to `model` and draws it; only "modelMatrix"
    // is set, the normal matrix is whatever the program holds.
    void drawScreenBoard(Picture picture, const glm::mat4& model, Shader& phong);

    Material& animationMaterial() { return *animationBoard_.material(); }
    Geometry& animationBoard() { return animationBoard_; }
    Geometry& screenBoard(Picture picture) { return screenBoards_[static_cast<std::size_t>(picture)]; }

private:
    Geometry animationBoard_;
    // Indexed by Picture.
    std::array<Geometry, pictureCount> screenBoards_;
};

} // namespace tavernrush
