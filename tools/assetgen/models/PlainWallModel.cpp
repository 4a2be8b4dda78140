// The plain wall: a plastered slab with a stone cap.
#include "models/PlainWallModel.h"

#include "ImageFiles.h"
#include "Primitives.h"
#include "pictures/PlasterWall.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush::assetgen {

ModelRecipe buildPlainWall()
{
    Mesh mesh("plain_wall", "plaster");
    const PictureRegion whole{{0.0f, 0.0f}, {1.0f, 1.0f}};
    primitives::box(mesh, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 1.45f, 0.0f)), {4.0f, 2.9f, 0.3f}, whole,
                    whole.sub({0, 0}, {1, 0.1f}));
    // A slightly wider cap keeps rain off the plaster.
    primitives::box(mesh, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 2.95f, 0.0f)), {4.1f, 0.1f, 0.4f},
                    whole.sub({0, 0}, {1, 0.05f}));
    ModelRecipe model;
    model.name = "wall";
    model.materials.push_back({"plaster", glm::vec3(0.9f), glm::vec3(0.1f), 4.0f, "wall.jpg"});
    model.meshes.push_back(std::move(mesh));
    return model;
}

void writePlainWall(const std::filesystem::path& assets)
{
    writeModel(assets / "meshes", buildPlainWall());
    // The same plaster serves the game's wall picture.
    const Image plaster = paintPlasterWall(512);
    writeJpeg(assets / "meshes" / "wall.jpg", plaster, 90);
    writeJpeg(assets / "textures" / "wall.jpg", plaster, 90);
}

} // namespace tavernrush::assetgen
