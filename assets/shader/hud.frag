#version 420 core
// Lettering is painted white, so "tint" colours it; its transparency is
// blended over what is behind. Drawn into the scene it also hides the glow
// behind it, as any other surface does.

layout(binding = 0) uniform sampler2D picture;

uniform vec3 tint;

in vec2 uv;

layout(location = 0) out vec4 color;
layout(location = 1) out vec4 glow;

void main()
{
    vec4 texel = texture(picture, uv);
    color = vec4(texel.rgb * tint, texel.a);
    glow = vec4(0.0, 0.0, 0.0, texel.a);
}
