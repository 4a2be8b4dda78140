#version 420 core
// Debugging aid, never drawn by the game: a textured quad.

layout(location = 0) in vec3 position;
layout(location = 2) in vec2 texCoord;

out vec2 uv;

void main()
{
    uv = texCoord;
    gl_Position = vec4(position, 1.0);
}
