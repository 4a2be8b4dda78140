#pragma once
// A colour atlas: one picture split into square cells, each painted as one
// material (skin, cloth, metal, ...). Model faces point their picture
// coordinates into a cell, so one texture dresses a whole model. Cells are
// 64 pixels, a multiple of the JPEG block size, so compression does not bleed
// between them, and the regions handed out keep a margin so bilinear and
// mipmap filtering stay inside the cell until the model is tiny on screen.

#include "Image.h"
#include "Mesh.h"

#include <functional>

namespace tavernrush::assetgen {

class Atlas {
public:
    static constexpr int cellSize = 64;

    explicit Atlas(int cells); // cells x cells grid

    // Paints a block of cells; `paint` gets the pixel's position inside the
    // block in 0..1 (x right, y DOWN) and its absolute pixel position.
    PictureRegion paint(int column, int row, int columns, int rows,
                        const std::function<glm::vec4(glm::vec2 local, glm::vec2 pixel)>& paint);
    // A flat colour with a faint mottle, so large faces do not look plastic.
    PictureRegion paintSolid(int column, int row, const glm::vec4& colour, float mottle = 0.06f);

    const Image& image() const { return image_; }

private:
    Image image_;
};

} // namespace tavernrush::assetgen
