#version 420 core
// Bloom composite: the scene image plus its blurred glow, clamped to the
// 8-bit range of the window.

layout(binding = 0) uniform sampler2D scene;
layout(binding = 1) uniform sampler2D blurredGlow;

in VertexData {
    vec2 uv;
} fs_in;

layout(location = 0) out vec4 color;

void main()
{
    vec3 sum = texture(scene, fs_in.uv).rgb + texture(blurredGlow, fs_in.uv).rgb;
    color = vec4(clamp(sum, 0.0, 1.0), 1.0);
}
