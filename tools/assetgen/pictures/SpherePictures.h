#pragma once
// Pictures for the game's UV spheres (the earth and the two counter spheres),
// painted upright: north at the top, east to the right. The turn they need
// before saving is in PictureWrapping.h.

#include "Image.h"

#include <functional>

namespace tavernrush::assetgen {

// An upright equirectangular picture (longitude across, latitude down) with
// a flat emblem laid on the sphere several times around the equator. Each
// copy is drawn by orthographic projection, so it looks undistorted to a
// viewer facing it. `background` gives the colour for (longitude, latitude)
// in radians, longitude 0..2pi growing to the right.
Image paintSphereWithEmblems(int width, int height, const std::function<glm::vec3(float, float)>& background,
                             const Image& emblem, float emblemRadius, int copies);

} // namespace tavernrush::assetgen
