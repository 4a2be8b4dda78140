#version 420 core
// Sky box colour from the cube map on unit 0; the sky never glows.

layout(binding = 0) uniform samplerCube skyTexture;

in vec3 direction;

layout(location = 0) out vec4 color;
layout(location = 1) out vec4 glow;

void main()
{
    color = vec4(texture(skyTexture, direction).rgb, 1.0);
    glow = vec4(0.0, 0.0, 0.0, 1.0);
}
