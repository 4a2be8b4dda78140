#pragma once
// The GL side of the beer and coin fields: one shared shape per field, drawn
// once per item at the matrix the field's rules decide.

#include "game/AssetPaths.h"
#include "game/ItemDrawer.h"
#include "render/Geometry.h"
#include "render/Shader.h"
#include "render/Texture.h"

namespace tavernrush {

// Red-capped beer cylinders wrapped in the beer label.
class BeerFieldDrawer : public ItemDrawer {
public:
    BeerFieldDrawer(ShaderPtr phong, const AssetPaths& paths);
    void drawItem(const glm::mat4& drawMatrix) override;
    // The beers' colour, coefficients and shininess.
    Material& surface() { return *geometry_.material(); }

private:
    Geometry geometry_;
};

// Coins: the face picture on unit 0 and its blurred copy on unit 1, which the
// glow program turns into the coin's halo.
class CoinFieldDrawer : public ItemDrawer {
public:
    CoinFieldDrawer(ShaderPtr glow, const AssetPaths& paths);
    void drawItem(const glm::mat4& drawMatrix) override;

private:
    TexturePtr coinTexture_;
    TexturePtr coinBlurTexture_;
    Geometry geometry_;
};

} // namespace tavernrush
