#version 420 core
// Shadow receivers (the ground plane and the player figure): the usual
// camera transform plus the position in the sun's clip space, where the
// fragment stage compares it with the shadow depth map.

layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;

uniform mat4 projection;
uniform mat4 view;
uniform mat4 model;
uniform mat4 lightSpaceMatrix;

out vec3 worldPosition;
out vec3 worldNormal;
out vec2 uv;
out vec4 lightSpacePosition;

void main()
{
    vec4 world = model * vec4(position, 1.0);
    worldPosition = world.xyz;
    // The inverse transpose keeps normals perpendicular under non-uniform scale.
    worldNormal = transpose(inverse(mat3(model))) * normal;
    uv = texCoord;
    lightSpacePosition = lightSpaceMatrix * world;
    gl_Position = projection * view * world;
}
