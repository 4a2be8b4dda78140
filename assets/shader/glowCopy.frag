#version 420 core
// The scene's glow output at half size, nearest-filtered by the texture's
// own setting: each texel taken whole, none mixed.

layout(binding = 0) uniform sampler2D glow;

in vec2 uv;

layout(location = 0) out vec4 color;

void main()
{
    color = texture(glow, uv);
}
