#pragma once
// A material texture as a mesh sees it: which GL texture, what role it plays
// in the shader ("texture_diffuse", "texture_specular", "texture_normal",
// "texture_height") and the file name the material gave for it. The GL name is
// only borrowed: the model that loaded the texture owns and deletes it.

#include <GL/glew.h>

#include <string>

namespace tavernrush {

struct MeshTexture {
    GLuint id = 0;
    std::string type;
    std::string path;
};

} // namespace tavernrush
