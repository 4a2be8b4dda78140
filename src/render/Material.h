#pragma once
// Surface parameters of the game's one lighting model, bound to a program.

#include "render/Shader.h"
#include "render/Texture.h"

#include <glm/glm.hpp>

#include <memory>
#include <string>

namespace tavernrush {

class Material {
public:
    Material(ShaderPtr shader, const glm::vec3& diffuseColor, const glm::vec3& materialCoefficients,
             float specularAlpha, const std::string& texturePath);
    virtual ~Material() = default;

    Material(const Material&) = delete;
    Material& operator=(const Material&) = delete;

    // Uploads "diffuseColor", "materialCoefficients" and "specularAlpha" to the
    // program the caller made current; binds nothing.
    virtual void setUniforms();

    // Decodes a new picture for this surface; the old texture goes with its
    // last holder.
    void setTexture(const std::string& path);

    const ShaderPtr& shader() const { return shader_; }
    const TexturePtr& texture() const { return texture_; }
    // The file the texture was decoded from.
    const std::string& texturePath() const { return texturePath_; }

    glm::vec3 diffuseColor;
    // x ambient, y diffuse, z specular factor.
    glm::vec3 materialCoefficients;
    float specularAlpha;

private:
    ShaderPtr shader_;
    TexturePtr texture_;
    std::string texturePath_;
};

using MaterialPtr = std::shared_ptr<Material>;

MaterialPtr makeMaterial(ShaderPtr shader, const glm::vec3& diffuseColor, const glm::vec3& materialCoefficients,
                         float specularAlpha, const std::string& texturePath);

} // namespace tavernrush
