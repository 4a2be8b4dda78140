#pragma once
// Texture kinds in the order a mesh binds them to units 0, 1, 2, ... Assimp's
// OBJ reader files map_Kd as diffuse, map_Ks as specular, map_bump and bump as
// HEIGHT and map_Ka as AMBIENT; the shaders take the bump map as their normal
// map. (map_Kn and norm become Assimp's NORMALS kind and are not loaded.)

#include <assimp/material.h>

namespace tavernrush {

struct TextureKind {
    aiTextureType assimpType;
    const char* typeName;
};
inline constexpr TextureKind textureKinds[] = {
    {aiTextureType_DIFFUSE, "texture_diffuse"},
    {aiTextureType_SPECULAR, "texture_specular"},
    {aiTextureType_HEIGHT, "texture_normal"},
    {aiTextureType_AMBIENT, "texture_height"},
};

} // namespace tavernrush
