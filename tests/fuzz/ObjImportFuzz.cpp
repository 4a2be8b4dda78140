// OBJ files, with a material library, through the import path of the game
// without its GL upload: Assimp reads from memory with our flags, the node
// walk orders the meshes and the conversion fills in what the file lacks.
// Every mesh that comes out has whole triangles over existing vertices and a
// usable direction in every normal, tangent and bitangent.
//
// The input is an OBJ file, optionally followed by a line "#-- mtl --" and
// the material library; every file the OBJ names is served from that part.

#include "FuzzCheck.h"
#include "model/MeshGeometry.h"
#include "model/ModelImport.h"
#include "model/TangentFrame.h"

#include <assimp/IOSystem.hpp>
#include <assimp/MemoryIOWrapper.h>
#include <assimp/material.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>

namespace tavernrush {
namespace {

constexpr std::string_view materialSeparator = "\n#-- mtl --\n";

// Serves the material part for every name, so no input reaches the disk.
class MaterialFiles final : public Assimp::IOSystem {
public:
    explicit MaterialFiles(std::span<const std::uint8_t> library) : library_(library) {}

    bool Exists(const char*) const override { return !library_.empty(); }
    char getOsSeparator() const override { return '/'; }
    Assimp::IOStream* Open(const char*, const char*) override
    {
        if (library_.empty()) {
            return nullptr;
        }
        return new Assimp::MemoryIOStream(library_.data(), library_.size(), false);
    }
    void Close(Assimp::IOStream* file) override { delete file; }

private:
    std::span<const std::uint8_t> library_;
};

void checkMesh(const aiMesh& mesh)
{
    const MeshGeometry geometry = convertMeshGeometry(mesh);
    FUZZ_CHECK(geometry.vertices.size() == (mesh.mVertices != nullptr ? mesh.mNumVertices : 0u));
    FUZZ_CHECK(geometry.indices.size() % 3 == 0);
    for (const std::uint32_t index : geometry.indices) {
        FUZZ_CHECK(index < geometry.vertices.size());
    }
    for (const MeshVertex& vertex : geometry.vertices) {
        FUZZ_CHECK(isUsableDirection(vertex.normal));
        FUZZ_CHECK(isUsableDirection(vertex.tangent));
        FUZZ_CHECK(isUsableDirection(vertex.bitangent));
    }
}

// The texture paths the cache would be asked for can all be read.
void checkMaterial(const aiMaterial& material)
{
    for (int kind = aiTextureType_NONE; kind <= AI_TEXTURE_TYPE_MAX; ++kind) {
        const auto type = static_cast<aiTextureType>(kind);
        const unsigned count = aiGetMaterialTextureCount(&material, type);
        for (unsigned i = 0; i < count; ++i) {
            aiString path;
            if (aiGetMaterialTexture(&material, type, i, &path) == aiReturn_SUCCESS) {
                FUZZ_CHECK(path.length < MAXLEN && std::strlen(path.C_Str()) <= path.length);
            }
        }
    }
}

} // namespace
} // namespace tavernrush

// Assimp 5.2.5's OBJ reader loses the mesh it is building when it throws on
// a face that names a vertex the file lacks (about 2 KB per damaged model,
// once per load, nothing our code holds or could free). Blocks allocated
// inside libassimp are therefore not counted as leaks here; a leak of our
// own (an importer or a scene we keep) starts in our code and still counts.
extern "C" const char* __lsan_default_suppressions() { return "leak:libassimp.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t separator = text.find(materialSeparator);
    const std::size_t objSize = separator == std::string_view::npos ? size : separator;
    const std::span<const std::uint8_t> library =
        separator == std::string_view::npos
            ? std::span<const std::uint8_t>()
            : std::span<const std::uint8_t>(data + separator + materialSeparator.size(),
                                            size - separator - materialSeparator.size());

    const ModelImport model =
        ModelImport::readMemory({data, objSize}, "obj", std::make_unique<MaterialFiles>(library));
    if (!model.usable()) {
        FUZZ_CHECK(model.meshes().empty() && !model.failure().empty());
        return 0;
    }
    for (const aiMesh* mesh : model.meshes()) {
        FUZZ_CHECK(mesh != nullptr);
        checkMesh(*mesh);
        if (const aiMaterial* material = model.materialOf(*mesh)) {
            checkMaterial(*material);
        }
    }
    return 0;
}
