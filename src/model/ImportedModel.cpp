#include "model/ImportedModel.h"

#include "model/ModelImport.h"
#include "model/TextureKinds.h"
#include "render/AssetPath.h"
#include "render/DecodedAhead.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace tavernrush {
namespace {

// The console line for a model problem; it names the file unless the
// importer's own message already does.
void reportImportProblem(std::string message, const std::string& path)
{
    while (!message.empty() && std::isspace(static_cast<unsigned char>(message.back())) != 0) {
        message.pop_back();
    }
    if (message.find(path) == std::string::npos) {
        message += " (in '" + path + "')";
    }
    std::cout << "ERROR::ASSIMP:: " << message << std::endl;
}

} // namespace

std::string modelDirectory(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

ImportedModel::ImportedModel(const std::string& name)
    : directory_(modelDirectory(assetPath(name)))
    , textureCache_(directory_)
{
    const std::string path = assetPath(name);
    std::optional<ModelImport> ahead = DecodedAhead<ModelImport>::take(path);
    const ModelImport model = ahead ? std::move(*ahead) : ModelImport::readFile(path);
    if (!model.usable()) {
        reportImportProblem(model.failure(), path);
        return;
    }
    for (const aiMesh* mesh : model.meshes()) {
        std::vector<MeshTexture> textures;
        if (const aiMaterial* material = model.materialOf(*mesh)) {
            for (const TextureKind& kind : textureKinds) {
                std::vector<MeshTexture> loaded = textureCache_.loadMaterialTextures(*material, kind.assimpType, kind.typeName);
                textures.insert(textures.end(), loaded.begin(), loaded.end());
            }
        }
        meshes_.emplace_back(convertMeshGeometry(*mesh), std::move(textures));
    }
    // One line per model: the first reading error says most about the cause.
    // Without one, a model that would draw nothing (a file cut off before
    // its faces, or not an OBJ file at all) is worth a line of its own.
    const bool hasTriangles = std::any_of(meshes_.begin(), meshes_.end(),
                                          [](const ImportedMesh& mesh) { return !mesh.indices().empty(); });
    if (!model.readErrors().empty()) {
        reportImportProblem(model.readErrors().front(), path);
    } else if (!hasTriangles) {
        std::cout << "ERROR::ASSIMP:: No triangles found in '" << path << "'" << std::endl;
    }
}

void ImportedModel::draw() const
{
    for (const ImportedMesh& mesh : meshes_) {
        mesh.draw();
    }
}

} // namespace tavernrush
