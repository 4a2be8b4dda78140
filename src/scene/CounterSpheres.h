#pragma once
// The counters of the level: an earth sphere spinning above the origin at
// the level's height, with the beer counter circling it at radius 3.5 and the coin
// counter at radius 2, each showing the digit picture of its count.

#include "game/CounterOrbits.h"
#include "render/Material.h"
#include "render/SceneNode.h"

#include <memory>
#include <string>

namespace tavernrush {

class CounterSpheres {
public:
    // The materials come from start-up, which creates them in its own order;
    // the beer and coin materials carry the digit pictures.
    CounterSpheres(MaterialPtr earth, MaterialPtr beer, MaterialPtr coin, float orbitHeight);

    // One frame: places each sphere at its turn and draws the hierarchy
    // with the camera and light uniforms last set on its program.
    void draw(const CounterTurns& turns);

    Material& earthMaterial() { return *earthSphere_->material(); }
    Material& beerMaterial() { return *beerSphere_->material(); }
    Material& coinMaterial() { return *coinSphere_->material(); }
    SceneNode& earthSphere() { return *earthSphere_; }
    SceneNode& beerSphere() { return *beerSphere_; }
    SceneNode& coinSphere() { return *coinSphere_; }

private:
    // Held by pointer so the links between the nodes survive a move.
    std::unique_ptr<SceneNode> earthSphere_;
    std::unique_ptr<SceneNode> beerSphere_;
    std::unique_ptr<SceneNode> coinSphere_;
};

} // namespace tavernrush
