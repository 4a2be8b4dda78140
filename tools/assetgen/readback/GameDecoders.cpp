// FreeImage, stb_image and Assimp readers mirroring the game's loaders.
#include "readback/GameDecoders.h"

#include "model/MeshGeometry.h"
#include "model/ModelImport.h"

#include <FreeImage.h>
#include <assimp/scene.h>
#include <stb_image.h>

#include <cmath>
#include <cstdio>

namespace tavernrush::assetgen {

Image decodeWithFreeImage(const std::filesystem::path& path)
{
    const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) {
        return {};
    }
    FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), 0);
    if (loaded == nullptr) {
        return {};
    }
    FIBITMAP* converted = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (converted == nullptr) {
        return {};
    }
    const int width = static_cast<int>(FreeImage_GetWidth(converted));
    const int height = static_cast<int>(FreeImage_GetHeight(converted));
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        // FreeImage keeps the bottom row in scan line 0.
        const BYTE* row = FreeImage_GetScanLine(converted, height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const BYTE* p = row + 4 * x;
            image.at(x, y) = glm::vec4(p[FI_RGBA_RED], p[FI_RGBA_GREEN], p[FI_RGBA_BLUE], p[FI_RGBA_ALPHA]) / 255.0f;
        }
    }
    FreeImage_Unload(converted);
    return image;
}

Image decodeWithStbImage(const std::filesystem::path& path, int* channels)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return {};
    }
    int width = 0;
    int height = 0;
    int fileChannels = 0;
    unsigned char* pixels = stbi_load_from_file(file, &width, &height, &fileChannels, 4);
    std::fclose(file);
    if (pixels == nullptr) {
        return {};
    }
    if (channels != nullptr) {
        *channels = fileChannels;
    }
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = pixels + 4 * (static_cast<std::size_t>(y) * width + x);
            image.at(x, y) = glm::vec4(p[0], p[1], p[2], p[3]) / 255.0f;
        }
    }
    stbi_image_free(pixels);
    return image;
}

glm::vec4 sampleTexture(const Image& picture, TextureKind kind, glm::vec2 st)
{
    if (picture.empty()) {
        return glm::vec4(0.0f, 0.0f, 0.0f, 1.0f);
    }
    const float w = static_cast<float>(picture.width());
    const float h = static_cast<float>(picture.height());
    if (kind == TextureKind::GamePicture) {
        // Row t = 0 is the picture's bottom row; edges clamp.
        const float s = std::fmin(std::fmax(st.x, 0.0f), 1.0f);
        const float t = std::fmin(std::fmax(st.y, 0.0f), 1.0f);
        return picture.sample(s * w, (1.0f - t) * h);
    }
    // Row t = 0 is the picture's top row; coordinates repeat.
    const float s = st.x - std::floor(st.x);
    const float t = st.y - std::floor(st.y);
    return picture.sample(s * w, t * h, true, true);
}

ImportedScene importLikeTheGame(const std::filesystem::path& objPath)
{
    // The game's own reading and conversion, so the tests see exactly what
    // the game uploads.
    ImportedScene result;
    const ModelImport model = ModelImport::readFile(objPath.string());
    if (!model.usable()) {
        result.error = model.failure().empty() ? "incomplete scene" : model.failure();
        return result;
    }
    for (const aiMesh* mesh : model.meshes()) {
        ImportedPart part;
        part.hasNormals = mesh->HasNormals();
        part.hasTexCoords = mesh->HasTextureCoords(0);
        part.hasTangents = mesh->HasTangentsAndBitangents();
        const MeshGeometry geometry = convertMeshGeometry(*mesh);
        for (const MeshVertex& v : geometry.vertices) {
            part.vertices.push_back({v.position, v.normal, v.texCoords, v.tangent, v.bitangent});
        }
        part.indices.assign(geometry.indices.begin(), geometry.indices.end());
        if (const aiMaterial* material = model.materialOf(*mesh)) {
            for (unsigned t = 0; t < material->GetTextureCount(aiTextureType_DIFFUSE); ++t) {
                aiString path;
                material->GetTexture(aiTextureType_DIFFUSE, t, &path);
                part.diffuseMaps.emplace_back(path.C_Str());
            }
        }
        result.parts.push_back(std::move(part));
    }
    return result;
}

} // namespace tavernrush::assetgen
