#include "app/DriverCheck.h"

#include <GL/glew.h>

namespace tavernrush {

std::optional<std::string> driverProblem(GlVersion offered, std::string_view renderer)
{
    if (offered >= requiredGlVersion) {
        return std::nullopt;
    }
    return "Tavernrush needs OpenGL " + std::to_string(requiredGlVersion.major) + "." +
           std::to_string(requiredGlVersion.minor) + "; this driver offers " + std::to_string(offered.major) + "." +
           std::to_string(offered.minor) + " (" + std::string(renderer.empty() ? "unknown renderer" : renderer) + ")";
}

bool debugOutputOffered(GlVersion offered, bool khrDebugExtension)
{
    return offered >= GlVersion{4, 3} || khrDebugExtension;
}

GlVersion currentGlVersion()
{
    GlVersion version;
    glGetIntegerv(GL_MAJOR_VERSION, &version.major);
    glGetIntegerv(GL_MINOR_VERSION, &version.minor);
    return version;
}

std::string currentRenderer()
{
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return name == nullptr ? std::string{} : std::string(name);
}

} // namespace tavernrush
