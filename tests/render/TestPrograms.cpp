#include "TestPrograms.h"

namespace tavernrush::testing {

void writeLitProgram(const ScratchDirectory& directory, const std::string& name)
{
    directory.writeText(name + ".vert", R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
uniform mat4 modelMatrix;
uniform mat3 normalMatrix;
uniform mat4 viewProjMatrix;
out vec3 worldPosition;
out vec3 worldNormal;
out vec2 texCoord;
void main()
{
    vec4 world = modelMatrix * vec4(position, 1.0);
    worldPosition = world.xyz;
    worldNormal = normalMatrix * normal;
    texCoord = uv;
    gl_Position = viewProjMatrix * world;
}
)");
    directory.writeText(name + ".frag", R"(#version 330 core
struct DirectionalLight { vec3 color; vec3 direction; };
struct PointLight { vec3 color; vec3 position; vec3 attenuation; };
uniform DirectionalLight dirL;
uniform PointLight pointL;
uniform vec3 camera_world;
uniform vec3 diffuseColor;
uniform vec3 materialCoefficients;
uniform float specularAlpha;
uniform sampler2D surface;
in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texCoord;
out vec4 color;
void main()
{
    vec3 sum = dirL.color + dirL.direction + pointL.color + pointL.position + pointL.attenuation
             + camera_world - worldPosition + worldNormal + diffuseColor * materialCoefficients;
    color = vec4(sum, specularAlpha) * texture(surface, texCoord);
}
)");
}

void writeSetterProgram(const ScratchDirectory& directory, const std::string& name)
{
    directory.writeText(name + ".vert", R"(#version 330 core
layout(location = 0) in vec3 position;
uniform mat4 model;
uniform mat3 view;
uniform vec2 offset;
void main()
{
    gl_Position = model * vec4(view * position + vec3(offset, 0.0), 1.0);
}
)");
    directory.writeText(name + ".frag", R"(#version 330 core
uniform vec3 tint;
uniform float scale;
uniform int horizontal;
out vec4 color;
void main()
{
    color = vec4(tint * scale, float(horizontal));
}
)");
}

void writeGeometryStageProgram(const ScratchDirectory& directory, const std::string& name)
{
    directory.writeText(name + ".vert", R"(#version 330 core
layout(location = 0) in vec3 position;
out vec3 vertexColor;
void main()
{
    vertexColor = position;
    gl_Position = vec4(position, 1.0);
}
)");
    directory.writeText(name + ".geom", R"(#version 330 core
layout(triangles) in;
layout(triangle_strip, max_vertices = 3) out;
in vec3 vertexColor[];
out vec3 geometryColor;
void main()
{
    for (int i = 0; i < 3; ++i) {
        geometryColor = vertexColor[i];
        gl_Position = gl_in[i].gl_Position;
        EmitVertex();
    }
    EndPrimitive();
}
)");
    directory.writeText(name + ".frag", R"(#version 330 core
in vec3 geometryColor;
out vec4 color;
void main()
{
    color = vec4(geometryColor, 1.0);
}
)");
}

} // namespace tavernrush::testing
