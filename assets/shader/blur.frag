#version 420 core
// One direction of the separable Gaussian glow blur. Two passes, one with
// "horizontal" = 1 and one with 0, give the full two-dimensional blur for
// 2 x 9 texture reads per pixel instead of 81.

uniform vec2 offset;   // one texel of the blur target
uniform int horizontal;

layout(binding = 0) uniform sampler2D source;

in VertexData {
    vec2 uv;
} fs_in;

layout(location = 0) out vec4 color;

// Binomial weights of a 9-tap Gaussian, centre first; they sum to 1, so the
// blur spreads the glow without brightening or dimming it.
const float weights[5] = float[](0.2270270270, 0.1945945946, 0.1216216216, 0.0540540541, 0.0162162162);

void main()
{
    vec2 stride = horizontal != 0 ? vec2(offset.x, 0.0) : vec2(0.0, offset.y);
    // The blur targets repeat at their border; clamping to the outer texel
    // centres keeps a glow at one screen edge from bleeding in at the other.
    vec2 halfTexel = 0.5 / vec2(max(textureSize(source, 0), ivec2(1)));
    vec3 sum = texture(source, fs_in.uv).rgb * weights[0];
    for (int i = 1; i < 5; ++i) {
        sum += texture(source, clamp(fs_in.uv + stride * float(i), halfTexel, 1.0 - halfTexel)).rgb * weights[i];
        sum += texture(source, clamp(fs_in.uv - stride * float(i), halfTexel, 1.0 - halfTexel)).rgb * weights[i];
    }
    color = vec4(sum, 1.0);
}
