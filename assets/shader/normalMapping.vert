#version 420 core
// Normal-mapped surfaces (the brick wall): like "phongPhong", plus the
// tangent frame of imported meshes for reading a tangent-space normal map.

layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;
layout(location = 3) in vec3 tangent;
layout(location = 4) in vec3 bitangent;

uniform mat4 modelMatrix;
uniform mat3 normalMatrix;
uniform mat4 viewProjMatrix;

out vec3 worldPosition;
out vec3 worldNormal;
out vec3 worldTangent;
out vec3 worldBitangent;
out vec2 uv;

void main()
{
    vec4 world = modelMatrix * vec4(position, 1.0);
    worldPosition = world.xyz;
    worldNormal = normalMatrix * normal;
    worldTangent = normalMatrix * tangent;
    worldBitangent = normalMatrix * bitangent;
    uv = texCoord;
    gl_Position = viewProjMatrix * world;
}
