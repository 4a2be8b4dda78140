#version 420 core
// Shadow receivers lit by the sun, which shines from the direction of
// "lightPos". The shadow test compares the fragment's depth from the sun with
// the depth map on unit 1 (a plain depth texture without compare mode) over
// a 3x3 texel neighbourhood, so shadow edges come out soft instead of jagged.

uniform vec3 viewPos;
uniform vec3 lightPos;
// The surface's ambient factor: the ground's follows H and D, 1 leaves the
// ambient share as it is.
uniform float ambientFactor = 1.0;

layout(binding = 0) uniform sampler2D surfaceTexture;
layout(binding = 1) uniform sampler2D shadowMap;

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 uv;
in vec4 lightSpacePosition;

layout(location = 0) out vec4 color;
layout(location = 1) out vec4 glow;

const float ambientStrength = 0.35;
const float diffuseStrength = 0.65;
const float specularStrength = 0.2;
const float specularExponent = 16.0;
// A surface that failed to load its picture stays visible in mid grey.
const vec3 missingSurfaceColor = vec3(0.7);

// Depth bias in [0, 1] depth units: surfaces lit at a grazing angle cover more
// depth per shadow-map texel, so they need a larger bias against acne.
const float slopeBias = 0.005;
const float minimumBias = 0.0005;

// A picture that failed to load leaves a 0 x 0 texture, which a driver may
// report as such or (Mesa does) sample as a 1 x 1 opaque black stand-in. No picture
// of the game is a single texel, so both mean "no picture".
vec3 surfaceColor()
{
    ivec2 size = textureSize(surfaceTexture, 0);
    vec4 texel = texture(surfaceTexture, uv);
    bool missing = size.x == 0 || (size == ivec2(1) && texel == vec4(0.0, 0.0, 0.0, 1.0));
    return missing ? missingSurfaceColor : texel.rgb;
}

// Share of the 3x3 neighbourhood that is nearer to the sun than this
// fragment: 0 fully lit, 1 fully shadowed. Whatever lies outside the sun's
// map (sideways or beyond its far plane) has no occluder recorded and is lit.
float shadowFraction(vec3 N, vec3 L)
{
    if (lightSpacePosition.w <= 0.0) {
        return 0.0;
    }
    vec3 p = lightSpacePosition.xyz / lightSpacePosition.w * 0.5 + 0.5;
    if (p.z > 1.0 || any(lessThan(p.xy, vec2(0.0))) || any(greaterThan(p.xy, vec2(1.0)))) {
        return 0.0;
    }
    // A missing map reads as 0 x 0, or as the driver's 1 x 1 stand-in whose
    // depth 0 would shadow everything; without a map nothing is shadowed.
    ivec2 size = textureSize(shadowMap, 0);
    if (size.x <= 1 || size.y <= 1) {
        return 0.0;
    }
    vec2 texel = 1.0 / vec2(size);
    float bias = max(slopeBias * (1.0 - dot(N, L)), minimumBias);
    float shadowed = 0.0;
    for (int y = -1; y <= 1; ++y) {
        for (int x = -1; x <= 1; ++x) {
            // The depth map repeats at its border; clamping keeps taps near an
            // edge from reading depths from the opposite side.
            vec2 at = clamp(p.xy + vec2(x, y) * texel, 0.5 * texel, 1.0 - 0.5 * texel);
            float nearestToSun = texture(shadowMap, at).r;
            shadowed += (p.z - bias > nearestToSun) ? 1.0 : 0.0;
        }
    }
    return shadowed / 9.0;
}

void main()
{
    vec3 N = length(worldNormal) > 0.0 ? normalize(worldNormal) : vec3(0.0, 1.0, 0.0);
    if (!gl_FrontFacing) {
        N = -N;
    }
    vec3 L = length(lightPos) > 0.0 ? normalize(lightPos) : vec3(0.0, 1.0, 0.0);
    vec3 toCamera = viewPos - worldPosition;
    vec3 V = length(toCamera) > 0.0 ? normalize(toCamera) : N;

    float lambert = max(dot(N, L), 0.0);
    float specular = lambert > 0.0 ? pow(max(dot(reflect(-L, N), V), 0.0), specularExponent) : 0.0;
    float lit = 1.0 - shadowFraction(N, L);

    vec3 surface = surfaceColor();
    vec3 shaded = surface * (ambientStrength * ambientFactor + lit * diffuseStrength * lambert) +
                  vec3(lit * specularStrength * specular);
    color = vec4(clamp(shaded, 0.0, 1.0), 1.0);
    glow = vec4(0.0, 0.0, 0.0, 1.0);
}
