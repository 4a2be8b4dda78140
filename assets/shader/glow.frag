#version 420 core
// Coins: the same Phong shading as "phongPhong" for the colour output, plus a
// glow output taken from the pre-blurred coin picture on unit 1. The bloom
// pass blurs that output once more, which gives the coins a golden halo.

struct DirectionalLight {
    vec3 color;
    vec3 direction; // the direction the light travels
};

struct PointLight {
    vec3 color;
    vec3 position;
    vec3 attenuation; // constant, linear, quadratic
};

uniform DirectionalLight dirL;
uniform PointLight pointL;
uniform vec3 camera_world;
uniform vec3 diffuseColor;
uniform vec3 materialCoefficients; // ambient, diffuse, specular factor
uniform float specularAlpha;

layout(binding = 0) uniform sampler2D surfaceTexture;
layout(binding = 1) uniform sampler2D blurredCoinTexture;

// The bloom blur spreads each glow texel over about nine, so the glow is
// lifted here to keep the halo visible once it is spread out.
const float glowStrength = 1.5;

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 uv;

layout(location = 0) out vec4 color;
layout(location = 1) out vec4 glow;

// A picture that failed to load leaves a 0 x 0 texture. A driver may report
// that size, or (Mesa does) sample a 1 x 1 opaque black stand-in for such an
// incomplete texture. No picture of the game is a single texel, so both mean
// "no picture", and diffuseColor shows instead of black.
vec3 surfaceColor()
{
    ivec2 size = textureSize(surfaceTexture, 0);
    vec4 texel = texture(surfaceTexture, uv);
    bool missing = size.x == 0 || (size == ivec2(1) && texel == vec4(0.0, 0.0, 0.0, 1.0));
    return missing ? diffuseColor : texel.rgb;
}

// Diffuse and specular share of one light arriving along toLight (unit).
// pow(0, 0) is undefined, so the exponent is kept positive.
void addLight(vec3 lightColor, vec3 toLight, vec3 N, vec3 V, inout vec3 diffuse, inout vec3 specular)
{
    float lambert = dot(N, toLight);
    if (lambert <= 0.0) {
        return;
    }
    vec3 R = reflect(-toLight, N);
    diffuse += lightColor * lambert;
    specular += lightColor * pow(max(dot(R, V), 0.0), max(specularAlpha, 1e-3));
}

void main()
{
    // Boards are seen from behind as well, so a back face is lit as its front.
    vec3 N = length(worldNormal) > 0.0 ? normalize(worldNormal) : vec3(0.0, 1.0, 0.0);
    if (!gl_FrontFacing) {
        N = -N;
    }
    vec3 toCamera = camera_world - worldPosition;
    vec3 V = length(toCamera) > 0.0 ? normalize(toCamera) : N;

    vec3 diffuse = vec3(0.0);
    vec3 specular = vec3(0.0);
    if (length(dirL.direction) > 0.0) {
        addLight(dirL.color, normalize(-dirL.direction), N, V, diffuse, specular);
    }
    vec3 toLamp = pointL.position - worldPosition;
    float d = length(toLamp);
    if (d > 0.0) {
        float falloff = pointL.attenuation.x + pointL.attenuation.y * d + pointL.attenuation.z * d * d;
        // A lamp with all-zero attenuation would divide by zero; treat it as unattenuated.
        float attenuation = falloff > 0.0 ? 1.0 / falloff : 1.0;
        addLight(pointL.color * attenuation, toLamp / d, N, V, diffuse, specular);
    }

    vec3 surface = surfaceColor();
    vec3 k = materialCoefficients;
    vec3 lit = k.x * surface + k.y * diffuse * surface + k.z * specular;
    color = vec4(clamp(lit, 0.0, 1.0), 1.0);
    glow = vec4(clamp(texture(blurredCoinTexture, uv).rgb * glowStrength, 0.0, 1.0), 1.0);
}
