#pragma once
// How each of the game's shapes lays a picture on itself, and the turn a
// picture needs before saving so that it reads upright and unmirrored there.
// Every painter works on the "upright" picture, as the player should see it.
//
// - UV sphere (earth, counter spheres): t = 0 at the north pole, u growing
//   from +x towards +z (right to left for a viewer), bottom picture row
//   uploaded first: the file is the picture turned by 180 degrees.
// - Coin (a flat cylinder turned onto its edge): its front cap's t grows
//   downwards, so the file is the picture flipped top to bottom.
// - Beer can (a cylinder, u around, t up): u grows right to left, so the file
//   is the picture mirrored left to right.

#include "Image.h"

namespace tavernrush::assetgen {

Image sphereFileFromUpright(const Image& upright);
Image coinFaceFileFromUpright(const Image& upright);
Image canLabelFileFromUpright(const Image& upright);

} // namespace tavernrush::assetgen
