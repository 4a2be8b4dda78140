#pragma once
// Lays pictures out in a labelled grid, so a reviewer sees a whole set at once.

#include "Image.h"

#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct SheetItem {
    std::string label;
    Image picture;
};

// Each picture is scaled to fit a cell of `cellSize` pixels, keeping its
// shape, over a checkerboard that shows transparency; its label goes below.
Image contactSheet(const std::string& title, const std::vector<SheetItem>& items, int columns, int cellSize);

} // namespace tavernrush::assetgen
