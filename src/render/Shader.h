#pragma once
// One linked GLSL program built from <directory><name>.vert/.frag[/.geom],
// with uniform setters that address uniforms by name.

#include "render/GlName.h"

#include <glm/glm.hpp>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tavernrush {

class Shader {
public:
    // Builds and links the program. Never fails: a missing or broken stage is
    // reported on the console and leaves a program that draws nothing useful.
    Shader(std::string name, bool withGeometryStage, std::string directory);

    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    void use() const;

    // The setters act on the current program; call use() first.
    void setUniform(const std::string& name, const glm::vec3& value);
    void setUniform(const std::string& name, const glm::vec2& value);
    void setUniform(const std::string& name, float value);
    void setUniform(const std::string& name, int value);
    void setUniform(const std::string& name, const glm::mat4& value);
    void setUniform(const std::string& name, const glm::mat3& value);

    GLuint programName() const { return program_.get(); }
    const std::string& name() const { return name_; }
    // Locations looked up once after linking (-1 where the program lacks them).
    GLint colorLocation() const { return colorLocation_; }
    GLint modelMatrixLocation() const { return modelMatrixLocation_; }
    GLint projectionViewMatrixLocation() const { return projectionViewMatrixLocation_; }

private:
    // A program's uniform locations never change after linking, so each name
    // is asked of the driver once.
    GLint location(const std::string& name);
    // Every setter goes through here: a program that failed to link takes
    // no uniforms (it is never current, so glUniform would only raise errors).
    template <typename Upload>
    void upload(const std::string& name, Upload&& send)
    {
        if (linked_) {
            send(location(name));
        }
    }

    std::string name_;
    ProgramName program_;
    GLint colorLocation_ = -1;
    GLint modelMatrixLocation_ = -1;
    GLint projectionViewMatrixLocation_ = -1;
    bool linked_ = false;
    std::unordered_map<std::string, GLint> locations_;
};

using ShaderPtr = std::shared_ptr<Shader>;

// From its stages' common path without the suffix, "assets/shader/glow":
// the program is named by the last part, "glow".
ShaderPtr makeShader(std::string_view stagesPath, bool withGeometryStage = false);

} // namespace tavernrush
