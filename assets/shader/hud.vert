#version 420 core
// The game's lettering and boards: flat pieces of the lettering picture,
// placed in pixels over the finished image or in the world under the win
// picture, whichever "transform" maps them from.

layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;

uniform mat4 transform;

out vec2 uv;

void main()
{
    uv = texCoord;
    gl_Position = transform * vec4(position, 0.0, 1.0);
}
