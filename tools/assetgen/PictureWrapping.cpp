// The turns themselves; the reasons are in the header.
#include "PictureWrapping.h"

namespace tavernrush::assetgen {

Image sphereFileFromUpright(const Image& upright)
{
    return rotated180(upright);
}

Image coinFaceFileFromUpright(const Image& upright)
{
    return mirroredVertically(upright);
}

Image canLabelFileFromUpright(const Image& upright)
{
    return mirroredHorizontally(upright);
}

} // namespace tavernrush::assetgen
