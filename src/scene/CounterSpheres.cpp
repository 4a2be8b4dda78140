#include "scene/CounterSpheres.h"

#include "render/Shapes.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

constexpr unsigned longitudeSegments = 64;
constexpr unsigned latitudeSegments = 32;

std::unique_ptr<SceneNode> makeSphereNode(float radius, const CounterOrbit& orbit, float orbitHeight,
                                          MaterialPtr material)
{
    Geometry sphere(orbitStart(orbit, orbitHeight), createSphere(longitudeSegments, radius, latitudeSegments),
                    std::move(material));
    return std::make_unique<SceneNode>(orbit.radiansPerSecond, std::move(sphere));
}

} // namespace

CounterSpheres::CounterSpheres(MaterialPtr earth, MaterialPtr beer, MaterialPtr coin, float orbitHeight)
    : earthSphere_(makeSphereNode(0.6f, earthOrbit, orbitHeight, std::move(earth))),
      beerSphere_(makeSphereNode(0.4f, beerCounterOrbit, orbitHeight, std::move(beer))),
      coinSphere_(makeSphereNode(0.5f, coinCounterOrbit, orbitHeight, std::move(coin)))
{
    earthSphere_->addChild(beerSphere_.get());
    beerSphere_->addChild(coinSphere_.get());
}

void CounterSpheres::draw(const CounterTurns& turns)
{
    earthSphere_->turnTo(turns.earth);
    beerSphere_->turnTo(turns.beerCounter);
    coinSphere_->turnTo(turns.coinCounter);
    earthSphere_->draw();
}

} // namespace tavernrush
