#pragma once
// The five generated shapes of the level, as CPU-side vertex data.

#include "render/GeometryData.h"

namespace tavernrush {

// Axis-aligned box centred on the origin; 4 vertices per face, outward normals.
GeometryData createBox(float width, float height, float depth);
// The same box seen from inside: inward normals, reversed winding.
GeometryData createInsideOutBox(float width, float height, float depth);
// Capped cylinder about the y axis, 16 segments, centred on the origin.
GeometryData createCylinder(float height, float radius);
// UV sphere; latitudeSegments must be at least 2 for the caps to close.
GeometryData createSphere(unsigned longitudeSegments, float radius, unsigned latitudeSegments);
// Rectangle in the plane y = 0 facing +y.
GeometryData createPlane(float width, float depth);

} // namespace tavernrush
