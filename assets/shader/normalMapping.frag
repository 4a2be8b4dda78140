#version 420 core
// The Phong shading of "phongPhong" with the normal taken from a
// tangent-space normal map on unit 1. Meshes without a tangent frame (the
// generated shapes leave attributes 3 and 4 at zero) and a normal map that
// failed to load fall back to the interpolated vertex normal.

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
layout(binding = 1) uniform sampler2D normalMap;

in vec3 worldPosition;
in vec3 worldNormal;
in vec3 worldTangent;
in vec3 worldBitangent;
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

vec3 mappedNormal(vec3 vertexNormal)
{
    const float degenerate = 1e-6;
    if (length(worldTangent) < degenerate || length(worldBitangent) < degenerate
        || textureSize(normalMap, 0).x == 0) {
        return vertexNormal;
    }
    vec3 tangentSpace = texture(normalMap, uv).rgb * 2.0 - 1.0;
    // Tangent-space normals always point out of the surface (z > 0). Anything
    // else is no normal map, such as the black stand-in some drivers sample
    // for a map that failed to load.
    if (tangentSpace.z <= 0.0) {
        return vertexNormal;
    }
    mat3 tangentToWorld = mat3(normalize(worldTangent), normalize(worldBitangent), vertexNormal);
    vec3 N = tangentToWorld * tangentSpace;
    return length(N) > degenerate ? normalize(N) : vertexNormal;
}

void main()
{
    vec3 vertexNormal = length(worldNormal) > 0.0 ? normalize(worldNormal) : vec3(0.0, 1.0, 0.0);
    vec3 N = mappedNormal(vertexNormal);
    // Seen from behind, the surface is lit as its front.
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
    glow = vec4(0.0, 0.0, 0.0, 1.0);
}
