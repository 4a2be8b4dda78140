// OBJ and MTL text output with fixed number formatting, so the files are the
// same on every run.
#include "ObjFile.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace tavernrush::assetgen {

const MaterialRecipe& ModelRecipe::material(const std::string& materialName) const
{
    for (const MaterialRecipe& m : materials) {
        if (m.name == materialName) {
            return m;
        }
    }
    throw std::runtime_error("model " + name + " uses the unknown material " + materialName);
}

Box3 ModelRecipe::bounds() const
{
    Box3 box{glm::vec3(std::numeric_limits<float>::max()), glm::vec3(std::numeric_limits<float>::lowest())};
    for (const Mesh& mesh : meshes) {
        const Box3 b = mesh.bounds();
        box.min = glm::min(box.min, b.min);
        box.max = glm::max(box.max, b.max);
    }
    return box;
}

glm::vec2 objTexCoord(glm::vec2 picture, bool materialNamesImage)
{
    return materialNamesImage ? glm::vec2(picture.x, 1.0f - picture.y) : picture;
}

namespace {

std::string format(const char* pattern, double a, double b, double c)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

// Avoids "-0.00000", which would make equal geometry print differently.
double tidy(float value)
{
    return (value > -5e-6f && value < 5e-6f) ? 0.0 : static_cast<double>(value);
}

void writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

void writeModel(const std::filesystem::path& directory, const ModelRecipe& model)
{
    std::filesystem::create_directories(directory);

    std::string mtl = "# Tavernrush model materials: " + model.name + "\n";
    for (const MaterialRecipe& m : model.materials) {
        mtl += "\nnewmtl " + m.name + "\n";
        mtl += format("Ka %.4f %.4f %.4f\n", 0.2, 0.2, 0.2);
        mtl += format("Kd %.4f %.4f %.4f\n", m.diffuse.r, m.diffuse.g, m.diffuse.b);
        mtl += format("Ks %.4f %.4f %.4f\n", m.specular.r, m.specular.g, m.specular.b);
        mtl += format("Ns %.2f\n", m.shininess, 0, 0);
        mtl += "d 1.0\nillum 2\n";
        if (!m.diffuseMap.empty()) {
            mtl += "map_Kd " + m.diffuseMap + "\n";
        }
    }
    writeText(directory / (model.name + ".mtl"), mtl);

    std::string obj = "# Tavernrush model: " + model.name + "\nmtllib " + model.name + ".mtl\n";
    std::size_t base = 1;
    for (const Mesh& mesh : model.meshes) {
        const bool namesImage = !model.material(mesh.material()).diffuseMap.empty();
        obj += "\no " + mesh.name() + "\nusemtl " + mesh.material() + "\n";
        for (const Vertex& v : mesh.vertices()) {
            obj += format("v %.5f %.5f %.5f\n", tidy(v.position.x), tidy(v.position.y), tidy(v.position.z));
        }
        for (const Vertex& v : mesh.vertices()) {
            const glm::vec2 t = objTexCoord(v.picture, namesImage);
            obj += format("vt %.5f %.5f\n", tidy(t.x), tidy(t.y), 0);
        }
        for (const Vertex& v : mesh.vertices()) {
            obj += format("vn %.5f %.5f %.5f\n", tidy(v.normal.x), tidy(v.normal.y), tidy(v.normal.z));
        }
        const auto& idx = mesh.indices();
        for (std::size_t i = 0; i + 2 < idx.size(); i += 3) {
            obj += "f";
            for (int k = 0; k < 3; ++k) {
                const std::size_t n = base + idx[i + k];
                obj += " " + std::to_string(n) + "/" + std::to_string(n) + "/" + std::to_string(n);
            }
            obj += "\n";
        }
        base += mesh.vertices().size();
    }
    writeText(directory / (model.name + ".obj"), obj);
}

} // namespace tavernrush::assetgen
