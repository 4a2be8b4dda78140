#pragma once
// The order in which a model's meshes are drawn: the scene's node tree walked
// depth first, each node's own meshes before those of its children.

#include <vector>

struct aiNode;

namespace tavernrush {

// Indices into the scene's mesh list in walk order. An index at or beyond
// meshCount, which a broken file could produce, is left out rather than
// followed.
std::vector<unsigned> meshIndicesInWalkOrder(const aiNode& root, unsigned meshCount);

} // namespace tavernrush
