#include "render/Material.h"

namespace tavernrush {

Material::Material(ShaderPtr shader, const glm::vec3& diffuseColor, const glm::vec3& materialCoefficients,
                   float specularAlpha, const std::string& texturePath)
    : diffuseColor(diffuseColor),
      materialCoefficients(materialCoefficients),
      specularAlpha(specularAlpha),
      shader_(std::move(shader)),
      texture_(makeTexture(texturePath)),
      texturePath_(texturePath)
{
}

void Material::setUniforms()
{
    shader_->setUniform("diffuseColor", diffuseColor);
    shader_->setUniform("materialCoefficients", materialCoefficients);
    shader_->setUniform("specularAlpha", specularAlpha);
}

void Material::setTexture(const std::string& path)
{
    texture_ = makeTexture(path);
    texturePath_ = path;
}

MaterialPtr makeMaterial(ShaderPtr shader, const glm::vec3& diffuseColor, const glm::vec3& materialCoefficients,
                         float specularAlpha, const std::string& texturePath)
{
    return std::make_shared<Material>(std::move(shader), diffuseColor, materialCoefficients, specularAlpha,
                                      texturePath);
}

} // namespace tavernrush
