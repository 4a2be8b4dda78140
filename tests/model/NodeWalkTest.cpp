// The draw order of a model's meshes comes from its node tree, not from the
// scene's mesh list; these trees are built by hand so the two orders differ.

#include "model/NodeWalk.h"

#include <assimp/scene.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace tavernrush {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

aiNode* nodeWithMeshes(const char* name, std::initializer_list<unsigned> meshes)
{
    auto* node = new aiNode(name);
    node->mNumMeshes = static_cast<unsigned>(meshes.size());
    node->mMeshes = new unsigned[meshes.size()];
    unsigned i = 0;
    for (const unsigned mesh : meshes) {
        node->mMeshes[i++] = mesh;
    }
    return node;
}

void attach(aiNode* parent, std::initializer_list<aiNode*> children)
{
    std::vector<aiNode*> list(children);
    parent->addChildren(static_cast<unsigned>(list.size()), list.data());
}

TEST(NodeWalkTest, OwnMeshesComeBeforeChildrenDepthFirst)
{
    std::unique_ptr<aiNode> root(nodeWithMeshes("root", {4}));
    aiNode* first = nodeWithMeshes("first", {2, 0});
    aiNode* second = nodeWithMeshes("second", {1, 3});
    attach(root.get(), {first, second});
    attach(first, {nodeWithMeshes("grandchild", {5})});

    // The grandchild's mesh comes before the second child's: depth first,
    // not level by level and not in mesh-list order.
    EXPECT_THAT(meshIndicesInWalkOrder(*root, 6), ElementsAre(4, 2, 0, 5, 1, 3));
}

TEST(NodeWalkTest, NodesWithoutMeshesAreWalkedThrough)
{
    std::unique_ptr<aiNode> root(nodeWithMeshes("root", {}));
    aiNode* empty = nodeWithMeshes("empty", {});
    attach(root.get(), {empty, nodeWithMeshes("last", {0})});
    attach(empty, {nodeWithMeshes("deep", {1})});

    EXPECT_THAT(meshIndicesInWalkOrder(*root, 2), ElementsAre(1, 0));
}

TEST(NodeWalkTest, MeshIndicesOutsideTheSceneAreLeftOut)
{
    std::unique_ptr<aiNode> root(nodeWithMeshes("root", {0, 7, 1}));
    EXPECT_THAT(meshIndicesInWalkOrder(*root, 2), ElementsAre(0, 1));
    EXPECT_THAT(meshIndicesInWalkOrder(*root, 0), IsEmpty());
}

} // namespace
} // namespace tavernrush
