#pragma once
// Reads the generated files back the way the game does: FreeImage for the
// game's pictures and sky faces, stb_image for the images of mesh materials,
// Assimp with the game's import flags for the models. The preview sheets and
// the tests see exactly what the game will get.

#include "Image.h"

#include <glm/glm.hpp>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

// A picture decoded with FreeImage, converted to 32 bits, returned top row
// first. Empty when FreeImage cannot decode the file.
Image decodeWithFreeImage(const std::filesystem::path& path);
// A mesh image decoded with stb_image; `channels` receives the file's own
// channel count. Empty when stb_image cannot decode it.
Image decodeWithStbImage(const std::filesystem::path& path, int* channels = nullptr);

// How the game samples a texture at (s, t): a game picture is uploaded bottom
// row first with clamped edges, a mesh image top row first with repeat.
enum class TextureKind { GamePicture, MeshImage };
glm::vec4 sampleTexture(const Image& picture, TextureKind kind, glm::vec2 st);

struct ImportedVertex {
    glm::vec3 position{0.0f};
    glm::vec3 normal{0.0f};
    glm::vec2 texCoord{0.0f};
    glm::vec3 tangent{0.0f};
    glm::vec3 bitangent{0.0f};
};

struct ImportedPart {
    std::vector<ImportedVertex> vertices;
    std::vector<unsigned> indices;
    bool hasNormals = false;
    bool hasTexCoords = false;
    bool hasTangents = false;
    std::vector<std::string> diffuseMaps; // as the material names them
};

struct ImportedScene {
    std::vector<ImportedPart> parts;
    std::string error; // the importer's message when the import failed
};

// The model as the game reads and converts it (ModelImport and
// convertMeshGeometry): node transforms ignored, missing normals and texture
// coordinates filled in, only whole triangles kept.
ImportedScene importLikeTheGame(const std::filesystem::path& objPath);

} // namespace tavernrush::assetgen
