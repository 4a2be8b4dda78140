#pragma once
// Writes a model as a Wavefront OBJ file with its MTL material library next
// to it, the format the game imports.

#include "Mesh.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct MaterialRecipe {
    std::string name;
    glm::vec3 diffuse{0.8f};
    glm::vec3 specular{0.2f};
    float shininess = 16.0f;
    // Image file next to the OBJ (map_Kd). Empty: the material names no image
    // and the mesh shows whatever picture the game binds before drawing it.
    std::string diffuseMap;
};

struct ModelRecipe {
    std::string name; // file stem: <name>.obj and <name>.mtl
    std::vector<MaterialRecipe> materials;
    std::vector<Mesh> meshes;

    const MaterialRecipe& material(const std::string& materialName) const;
    Box3 bounds() const;
};

// Texture coordinate written for a picture-space coordinate. A material's own
// image is decoded top row first and the importer flips v, so it needs the
// usual OBJ convention (v = 0 at the bottom of the picture); a picture the
// game binds is uploaded bottom row first, which the flip cancels, so v runs
// down the picture instead.
glm::vec2 objTexCoord(glm::vec2 picture, bool materialNamesImage);

void writeModel(const std::filesystem::path& directory, const ModelRecipe& model);

} // namespace tavernrush::assetgen
