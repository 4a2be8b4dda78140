// Builds each of the game's nine GLSL programs the way the game does and reads
// back from the driver what the C++ side relies on: a clean link, the uniform
// names and types it sets, the texture unit of every sampler (the game never
// sets sampler uniforms), the attribute locations it feeds and the fragment
// outputs the scene target expects.

#include "game/AssetTable.h"
#include "render/Shader.h"

#include "support/GlTestContext.h"

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tavernrush {
namespace {

struct ProgramContract {
    const char* name;
    bool geometryStage;
    // Every active non-sampler uniform, by name and GL type.
    std::map<std::string, GLenum> uniforms;
    // Every active sampler as (GL sampler type, texture unit).
    std::multiset<std::pair<GLenum, GLint>> samplers;
    // Every active vertex input, by location and GL type.
    std::map<GLint, GLenum> attributes;
    // Locations of the fragment outputs, each a vec4.
    std::set<GLint> outputs;
};

void PrintTo(const ProgramContract& contract, std::ostream* out) { *out << contract.name; }

const std::map<std::string, GLenum> litUniforms{
    {"modelMatrix", GL_FLOAT_MAT4},        {"normalMatrix", GL_FLOAT_MAT3},   {"viewProjMatrix", GL_FLOAT_MAT4},
    {"camera_world", GL_FLOAT_VEC3},       {"dirL.color", GL_FLOAT_VEC3},     {"dirL.direction", GL_FLOAT_VEC3},
    {"pointL.color", GL_FLOAT_VEC3},       {"pointL.position", GL_FLOAT_VEC3}, {"pointL.attenuation", GL_FLOAT_VEC3},
    {"diffuseColor", GL_FLOAT_VEC3},       {"materialCoefficients", GL_FLOAT_VEC3},
    {"specularAlpha", GL_FLOAT},
};
const std::map<GLint, GLenum> shapeAttributes{{0, GL_FLOAT_VEC3}, {1, GL_FLOAT_VEC3}, {2, GL_FLOAT_VEC2}};
const std::set<GLint> sceneOutputs{0, 1};

const ProgramContract contracts[] = {
    {"phongPhong", false, litUniforms, {{GL_SAMPLER_2D, 0}}, shapeAttributes, sceneOutputs},
    {"normalMapping",
     false,
     litUniforms,
     {{GL_SAMPLER_2D, 0}, {GL_SAMPLER_2D, 1}},
     {{0, GL_FLOAT_VEC3}, {1, GL_FLOAT_VEC3}, {2, GL_FLOAT_VEC2}, {3, GL_FLOAT_VEC3}, {4, GL_FLOAT_VEC3}},
     sceneOutputs},
    {"glow", false, litUniforms, {{GL_SAMPLER_2D, 0}, {GL_SAMPLER_2D, 1}}, shapeAttributes, sceneOutputs},
    {"skyShader",
     false,
     {{"view", GL_FLOAT_MAT3}, {"proj", GL_FLOAT_MAT4}},
     {{GL_SAMPLER_CUBE, 0}},
     {{0, GL_FLOAT_VEC3}},
     sceneOutputs},
    {"sm_depth", false, {{"lightSpaceMatrix", GL_FLOAT_MAT4}, {"model", GL_FLOAT_MAT4}}, {}, {{0, GL_FLOAT_VEC3}}, {}},
    {"sm",
     false,
     {{"projection", GL_FLOAT_MAT4},
      {"view", GL_FLOAT_MAT4},
      {"model", GL_FLOAT_MAT4},
      {"lightSpaceMatrix", GL_FLOAT_MAT4},
      {"viewPos", GL_FLOAT_VEC3},
      {"lightPos", GL_FLOAT_VEC3},
      {"ambientFactor", GL_FLOAT}},
     {{GL_SAMPLER_2D, 0}, {GL_SAMPLER_2D, 1}},
     shapeAttributes,
     sceneOutputs},
    {"quad_depth", false, {}, {}, {{0, GL_FLOAT_VEC3}, {2, GL_FLOAT_VEC2}}, {0}},
    {"blur", true, {{"offset", GL_FLOAT_VEC2}, {"horizontal", GL_INT}}, {{GL_SAMPLER_2D, 0}}, {}, {0}},
    {"screen", true, {}, {{GL_SAMPLER_2D, 0}, {GL_SAMPLER_2D, 1}}, {}, {0}},
    {"glowCopy", false, {}, {{GL_SAMPLER_2D, 0}}, {}, {0}},
    {"hud",
     false,
     {{"transform", GL_FLOAT_MAT4}, {"tint", GL_FLOAT_VEC3}},
     {{GL_SAMPLER_2D, 0}},
     {{0, GL_FLOAT_VEC2}, {1, GL_FLOAT_VEC2}},
     sceneOutputs},
};

bool isSampler(GLenum type) { return type == GL_SAMPLER_2D || type == GL_SAMPLER_CUBE || type == GL_SAMPLER_2D_SHADOW; }

struct Resource {
    std::string name;
    GLenum type;
    GLint location;
};

// Active resources of one interface, leaving out built-ins such as gl_VertexID.
std::vector<Resource> activeResources(GLuint program, GLenum interface)
{
    GLint count = 0;
    glGetProgramInterfaceiv(program, interface, GL_ACTIVE_RESOURCES, &count);
    std::vector<Resource> resources;
    for (GLint i = 0; i < count; ++i) {
        char name[128] = {};
        glGetProgramResourceName(program, interface, static_cast<GLuint>(i), sizeof name, nullptr, name);
        const GLenum properties[] = {GL_TYPE, GL_LOCATION};
        GLint values[2] = {};
        glGetProgramResourceiv(program, interface, static_cast<GLuint>(i), 2, properties, 2, nullptr, values);
        if (std::string(name).rfind("gl_", 0) != 0) {
            resources.push_back({name, static_cast<GLenum>(values[0]), values[1]});
        }
    }
    return resources;
}

class ShaderProgramGLTest : public testing::GlTest, public ::testing::WithParamInterface<ProgramContract> {
protected:
    void SetUp() override
    {
        testing::GlTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        ::testing::internal::CaptureStdout();
        shader = std::make_unique<Shader>(GetParam().name, GetParam().geometryStage, asset::shaderFolder);
        consoleOutput = ::testing::internal::GetCapturedStdout();
    }

    // The program goes before the context that owns it.
    void TearDown() override
    {
        shader.reset();
        testing::GlTest::TearDown();
    }

    std::unique_ptr<Shader> shader;
    std::string consoleOutput;
};

TEST_P(ShaderProgramGLTest, LinksWithoutMessages)
{
    // The Shader class prints the driver's compile and link log on failure.
    EXPECT_EQ(consoleOutput, "");
    GLint linked = GL_FALSE;
    glGetProgramiv(shader->programName(), GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    GLint attached = -1;
    glGetProgramiv(shader->programName(), GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(attached, 0) << "stage objects are released after linking";
    expectNoGlMessages();
}

// Exactly the uniforms the game sets: a missing one silently loses a value, an
// extra one is never set and stays zero.
TEST_P(ShaderProgramGLTest, ActiveUniformsAreTheOnesTheGameSets)
{
    std::map<std::string, GLenum> uniforms;
    for (const Resource& uniform : activeResources(shader->programName(), GL_UNIFORM)) {
        if (!isSampler(uniform.type)) {
            uniforms.emplace(uniform.name, uniform.type);
        }
    }
    EXPECT_EQ(uniforms, GetParam().uniforms);
}

TEST_P(ShaderProgramGLTest, SamplersReadTheirFixedUnits)
{
    std::multiset<std::pair<GLenum, GLint>> samplers;
    for (const Resource& uniform : activeResources(shader->programName(), GL_UNIFORM)) {
        if (isSampler(uniform.type)) {
            GLint unit = -1;
            glGetUniformiv(shader->programName(), uniform.location, &unit);
            samplers.emplace(uniform.type, unit);
        }
    }
    EXPECT_EQ(samplers, GetParam().samplers);
}

TEST_P(ShaderProgramGLTest, AttributesSitAtTheFedLocations)
{
    std::map<GLint, GLenum> attributes;
    for (const Resource& input : activeResources(shader->programName(), GL_PROGRAM_INPUT)) {
        attributes.emplace(input.location, input.type);
    }
    EXPECT_EQ(attributes, GetParam().attributes);
}

TEST_P(ShaderProgramGLTest, FragmentOutputsMatchTheTarget)
{
    std::set<GLint> outputs;
    for (const Resource& output : activeResources(shader->programName(), GL_PROGRAM_OUTPUT)) {
        EXPECT_EQ(output.type, static_cast<GLenum>(GL_FLOAT_VEC4)) << output.name;
        outputs.insert(output.location);
    }
    EXPECT_EQ(outputs, GetParam().outputs);
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, ShaderProgramGLTest, ::testing::ValuesIn(contracts),
                         [](const ::testing::TestParamInfo<ProgramContract>& info) { return std::string(info.param.name); });

class FullScreenProgramGLTest : public testing::GlTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FullScreenProgramGLTest, GeometryStageTurnsOnePointIntoAQuad)
{
    const Shader shader(GetParam(), true, asset::shaderFolder);
    GLint input = 0;
    GLint output = 0;
    GLint vertices = 0;
    glGetProgramiv(shader.programName(), GL_GEOMETRY_INPUT_TYPE, &input);
    glGetProgramiv(shader.programName(), GL_GEOMETRY_OUTPUT_TYPE, &output);
    glGetProgramiv(shader.programName(), GL_GEOMETRY_VERTICES_OUT, &vertices);
    EXPECT_EQ(static_cast<GLenum>(input), static_cast<GLenum>(GL_POINTS));
    EXPECT_EQ(static_cast<GLenum>(output), static_cast<GLenum>(GL_TRIANGLE_STRIP));
    EXPECT_EQ(vertices, 4);
}

std::string readSource(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

GLuint compiledStage(GLenum kind, const std::string& path)
{
    const std::string source = readSource(path);
    EXPECT_FALSE(source.empty()) << path;
    const GLuint stage = glCreateShader(kind);
    const GLchar* text = source.c_str();
    glShaderSource(stage, 1, &text, nullptr);
    glCompileShader(stage);
    GLint compiled = GL_FALSE;
    glGetShaderiv(stage, GL_COMPILE_STATUS, &compiled);
    EXPECT_EQ(compiled, GL_TRUE) << path;
    return stage;
}

// The Shader class links these programs once before their geometry stage is
// attached; that first link must succeed quietly as well.
TEST_P(FullScreenProgramGLTest, VertexAndFragmentLinkWithoutGeometryStage)
{
    const std::string base = std::string(asset::shaderFolder) + GetParam();
    const GLuint vertex = compiledStage(GL_VERTEX_SHADER, base + ".vert");
    const GLuint fragment = compiledStage(GL_FRAGMENT_SHADER, base + ".frag");
    const ProgramName program{glCreateProgram()};
    glAttachShader(program.get(), vertex);
    glAttachShader(program.get(), fragment);
    glLinkProgram(program.get());
    GLint linked = GL_FALSE;
    glGetProgramiv(program.get(), GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    expectNoGlMessages();
}

INSTANTIATE_TEST_SUITE_P(BloomPrograms, FullScreenProgramGLTest, ::testing::Values("blur", "screen"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
} // namespace tavernrush
