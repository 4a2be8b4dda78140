#include "model/NodeWalk.h"

#include <assimp/scene.h>

namespace tavernrush {

std::vector<unsigned> meshIndicesInWalkOrder(const aiNode& root, unsigned meshCount)
{
    std::vector<unsigned> order;
    // An explicit stack instead of recursion: a deeply nested file cannot
    // exhaust the call stack.
    std::vector<const aiNode*> pending{&root};
    while (!pending.empty()) {
        const aiNode* node = pending.back();
        pending.pop_back();
        if (node == nullptr) {
            continue;
        }
        for (unsigned i = 0; node->mMeshes != nullptr && i < node->mNumMeshes; ++i) {
            if (node->mMeshes[i] < meshCount) {
                order.push_back(node->mMeshes[i]);
            }
        }
        // Pushed last child first so the first child is walked next.
        for (unsigned i = node->mNumChildren; node->mChildren != nullptr && i > 0; --i) {
            pending.push_back(node->mChildren[i - 1]);
        }
    }
    return order;
}

} // namespace tavernrush
