#pragma once
// The seam between the collectible rules and the GPU: the fields decide where
// and how each item stands, the GL side only draws what it is handed.

#include <glm/glm.hpp>

namespace tavernrush {

// Draws one collectible at its final model matrix (translation x spin x the
// shape's construction matrix). The GL side binds textures and issues the draw.
class ItemDrawer {
public:
    virtual ~ItemDrawer() = default;
    virtual void drawItem(const glm::mat4& drawMatrix) = 0;
};

} // namespace tavernrush
