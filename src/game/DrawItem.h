#pragma once
// One thing a frame draws: which of the level's things, where, and how it is
// lit where that is not the thing's own business. The rules list the items
// in drawing order; the renderer walks the list and keeps nothing from one
// frame to the next.

#include "game/AssetId.h"
#include "game/Picture.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <optional>

namespace tavernrush {

enum class Drawable : std::uint8_t {
    Figure,         // with the shadow-receiving program
    Ground,         // the same program, the player's shadow on it
    Sky,
    BrickWall,      // normal-mapped
    PlainBrickWall, // the same wall with the plain lit program (N held)
    Coins,          // the frame's coins, with the glow program, lit from the frame before's camera
    Beers,          // the frame's beers
    Model,          // an imported model with its picture, both asset table rows
    AnimationBoard,
    CounterSpheres, // the three spheres at the frame's angles
    PictureBoard,   // a full-screen picture's board; which one in `picture`
    Ghost,          // the figure of the level's best win, see-through, drawn last
};

// The colour, coefficients and shininess of a model that has none of its
// own: imported models take the lit program's surface as they find it, and
// the look of the game was made with what the draws before them left there.
enum class BorrowedSurface : std::uint8_t {
    None,
    FieldItem,     // the beers' surface
    CounterSphere, // the counter spheres' surface
};

struct DrawItem {
    Drawable what = Drawable::Figure;
    glm::mat4 model{1.0f};
    // Set where the draw lights with a normal matrix other than its own
    // model's (see BorrowedSurface for why).
    std::optional<glm::mat3> normalMatrix;
    BorrowedSurface surface = BorrowedSurface::None;
    Picture picture = Picture::Toilet;
    // For Drawable::Model: the model's row and the picture it is drawn with.
    AssetId modelAsset = AssetId::FigureModel;
    AssetId pictureAsset = AssetId::Metal;
};

} // namespace tavernrush
