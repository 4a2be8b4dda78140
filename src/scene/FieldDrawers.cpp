#include "scene/FieldDrawers.h"
#include "render/Shapes.h"

#include "game/CoinField.h"
#include "game/AssetTable.h"

namespace tavernrush {
namespace {

constexpr glm::vec3 red{1.0f, 0.0f, 0.0f};
constexpr glm::vec3 itemCoefficients{0.4f, 0.2f, 0.4f};
constexpr float itemShininess = 2.0f;

} // namespace

BeerFieldDrawer::BeerFieldDrawer(ShaderPtr phong, const AssetPaths& paths)
    : geometry_(glm::mat4(1.0f), createCylinder(1.5f, 0.4f),
                makeMaterial(std::move(phong), red, itemCoefficients, itemShininess, paths.pathOf(AssetId::BeerLabel)))
{
}

void BeerFieldDrawer::drawItem(const glm::mat4& drawMatrix)
{
    geometry_.setDrawMatrix(drawMatrix);
    geometry_.draw();
}

CoinFieldDrawer::CoinFieldDrawer(ShaderPtr glow, const AssetPaths& paths)
    : coinTexture_(makeTexture(paths.pathOf(AssetId::Coin))),
      coinBlurTexture_(makeTexture(paths.pathOf(AssetId::CoinBlur))),
      geometry_(CoinField::constructionMatrix(), createCylinder(0.2f, 0.7f),
                makeMaterial(std::move(glow), red, itemCoefficients, itemShininess, paths.pathOf(AssetId::Coin)))
{
}

void CoinFieldDrawer::drawItem(const glm::mat4& drawMatrix)
{
    geometry_.setDrawMatrix(drawMatrix);
    coinTexture_->bind(0);
    coinBlurTexture_->bind(1);
    geometry_.draw();
}

} // namespace tavernrush
