#include "scene/CounterSpheres.h"

#include "game/LevelLayout.h"
#include "render/GeometryData.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

constexpr unsigned longitudeSegments = 64;
constexpr unsigned latitudeSegments = 32;
constexpr float orbitHeight = level::counterOrbitHeight;

std::unique_ptr<SceneNode> makeSphereNode(float radius, float orbitRadius, float spinSpeed, MaterialPtr material)
{
    Geometry sphere(glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, orbitHeight, orbitRadius)),
                          createSphere(longitudeSegments, radius, latitudeSegments), std::move(material));
    return std::make_unique<SceneNode>(spinSpeed, std::move(sphere));
}

} // namespace

CounterSpheres::CounterSpheres(MaterialPtr earth, MaterialPtr beer, MaterialPtr coin)
    : earthSphere_(makeSphereNode(0.6f, 0.0f, 0.5f, std::move(earth))),
      beerSphere_(makeSphereNode(0.4f, 3.5f, -1.0f, std::move(beer))),
      coinSphere_(makeSphereNode(0.5f, 2.0f, 1.5f, std::move(coin)))
{
    earthSphere_->addChild(beerSphere_.get());
    beerSphere_->addChild(coinSphere_.get());
}

void CounterSpheres::updateAndDraw(float deltaTime)
{
    earthSphere_->update(glm::mat4(1.0f), deltaTime);
    earthSphere_->draw();
}

} // namespace tavernrush
