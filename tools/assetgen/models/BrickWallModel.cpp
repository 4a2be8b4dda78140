// The brick wall: six faces, each showing the part of the brick picture that
// matches its size, so bricks keep the same scale on every face.
#include "models/BrickWallModel.h"

#include "Primitives.h"

namespace tavernrush::assetgen {

ModelRecipe buildBrickWall()
{
    const glm::vec3 h = brickWallSize * 0.5f;
    Mesh mesh("brick_wall", "bricks");
    const PictureRegion whole{{0.0f, 0.0f}, {1.0f, 1.0f}};
    // End faces show a brick-length strip, the top a strip one thickness high.
    const PictureRegion endStrip = whole.sub({0.0f, 0.0f}, {brickWallSize.z / brickWallSize.x, 1.0f});
    const PictureRegion topStrip = whole.sub({0.0f, 1.0f - brickWallSize.z / brickWallSize.y}, {1.0f, 1.0f});
    using primitives::quad;
    quad(mesh, {-h.x, -h.y, h.z}, {h.x, -h.y, h.z}, {h.x, h.y, h.z}, {-h.x, h.y, h.z}, whole);       // front, +z
    quad(mesh, {h.x, -h.y, -h.z}, {-h.x, -h.y, -h.z}, {-h.x, h.y, -h.z}, {h.x, h.y, -h.z}, whole);   // back, -z
    quad(mesh, {h.x, -h.y, h.z}, {h.x, -h.y, -h.z}, {h.x, h.y, -h.z}, {h.x, h.y, h.z}, endStrip);    // +x end
    quad(mesh, {-h.x, -h.y, -h.z}, {-h.x, -h.y, h.z}, {-h.x, h.y, h.z}, {-h.x, h.y, -h.z}, endStrip); // -x end
    quad(mesh, {-h.x, h.y, h.z}, {h.x, h.y, h.z}, {h.x, h.y, -h.z}, {-h.x, h.y, -h.z}, topStrip);    // top
    quad(mesh, {-h.x, -h.y, -h.z}, {h.x, -h.y, -h.z}, {h.x, -h.y, h.z}, {-h.x, -h.y, h.z}, topStrip); // bottom

    ModelRecipe model;
    model.name = "wand";
    model.materials.push_back({"bricks", glm::vec3(0.8f, 0.45f, 0.35f), glm::vec3(0.15f), 8.0f, ""});
    model.meshes.push_back(std::move(mesh));
    return model;
}

void writeBrickWall(const std::filesystem::path& assets)
{
    writeModel(assets / "meshes", buildBrickWall());
}

} // namespace tavernrush::assetgen
