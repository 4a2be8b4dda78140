// The game draws each model with the lit program after binding one picture
// to unit 0; a model whose material names its own image binds that instead.
// The views here do the same, into an off-screen target read back as a
// picture.
#include "preview/ModelViews.h"

#include "preview/ContactSheet.h"
#include "game/AssetTable.h"
#include "model/ImportedModel.h"
#include "render/GlName.h"
#include "render/Geometry.h"
#include "render/Lights.h"
#include "render/Material.h"
#include "render/Shader.h"
#include "render/Shapes.h"
#include "render/Texture.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tavernrush::assetgen {
namespace {

constexpr int supersample = 2;

struct Bounds {
    glm::vec3 min{std::numeric_limits<float>::max()};
    glm::vec3 max{std::numeric_limits<float>::lowest()};
};

Bounds boundsOf(const ImportedModel& model)
{
    Bounds b;
    for (const ImportedMesh& mesh : model.meshes()) {
        for (const MeshVertex& v : mesh.vertices()) {
            b.min = glm::min(b.min, v.position);
            b.max = glm::max(b.max, v.position);
        }
    }
    if (b.min.x > b.max.x) {
        b.min = b.max = glm::vec3(0.0f);
    }
    return b;
}

// A colour and depth target of one size, read back top row first.
class OffscreenTarget {
public:
    explicit OffscreenTarget(int size) : size_(size), colour_(createTexture()), framebuffer_(createFramebuffer())
    {
        glGenRenderbuffers(1, &depth_);
        glBindTexture(GL_TEXTURE_2D, colour_.get());
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glBindRenderbuffer(GL_RENDERBUFFER, depth_);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, size, size);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_.get(), 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    }
    ~OffscreenTarget()
    {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(1, &depth_);
    }
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;

    Image read() const
    {
        std::vector<unsigned char> bytes(static_cast<std::size_t>(size_) * size_ * 4);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_.get());
        glReadPixels(0, 0, size_, size_, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
        Image image(size_, size_);
        for (int y = 0; y < size_; ++y) {
            for (int x = 0; x < size_; ++x) {
                const unsigned char* p = &bytes[(static_cast<std::size_t>(size_ - 1 - y) * size_ + x) * 4];
                image.at(x, y) = glm::vec4(p[0], p[1], p[2], 255.0f) / 255.0f;
            }
        }
        return image;
    }

private:
    int size_;
    TextureName colour_;
    FramebufferName framebuffer_;
    GLuint depth_ = 0;
};

glm::vec3 turned(const glm::vec3& front, float degrees, float elevation)
{
    const float a = glm::radians(degrees);
    const glm::vec3 f = glm::normalize(glm::vec3(front.x, 0.0f, front.z));
    const glm::vec3 d(f.x * std::cos(a) - f.z * std::sin(a), 0.0f, f.x * std::sin(a) + f.z * std::cos(a));
    return glm::normalize(d + glm::vec3(0.0f, elevation, 0.0f));
}

// One model with its picture, drawn as the game draws it.
class ModelScene {
public:
    explicit ModelScene(const ModelPreview& preview)
        : preview_(preview), phong_(makeShader(asset::row(AssetId::PhongProgram).path)),
          lights_(makeSceneLights()), model_(preview.path), bounds_(boundsOf(model_))
    {
        if (!preview.boundPicture.empty()) {
            picture_ = makeTexture(preview.boundPicture);
        }
        const float extent = 2.0f * std::ceil(radius() * 1.3f);
        const glm::vec3 centre = this->centre();
        ground_.emplace(glm::translate(glm::mat4(1.0f), glm::vec3(std::floor(centre.x), preview.groundY,
                                                                   std::floor(centre.z))),
                        createPlane(extent, extent),
                        makeMaterial(phong_, glm::vec3(1.0f, 0.0f, 0.0f), glm::vec3(0.8f, 0.7f, 0.1f), 2.0f,
                                     std::string(asset::row(AssetId::Grass).path)));
    }

    glm::vec3 size() const { return bounds_.max - bounds_.min; }

    Image render(const glm::vec3& viewDirection, int size)
    {
        OffscreenTarget target(size * supersample);
        glViewport(0, 0, size * supersample, size * supersample);
        glEnable(GL_DEPTH_TEST);
        glClearColor(0.875f, 0.914f, 0.949f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

        const glm::vec3 eye = centre() + glm::normalize(viewDirection) * radius() * 3.2f;
        const glm::mat4 view = glm::lookAt(eye, centre(), glm::vec3(0.0f, 1.0f, 0.0f));
        const glm::mat4 projection = glm::perspective(glm::radians(38.0f), 1.0f, 0.05f, radius() * 20.0f);
        Shader& phong = *phong_;
        phong.use();
        setLightUniforms(phong, CameraUniforms{eye, projection * view}, lights_);
        ground_->drawAt(ground_->getModelMatrix(), normalMatrixOf(ground_->getModelMatrix()));

        phong.use();
        phong.setUniform("diffuseColor", glm::vec3(1.0f, 0.0f, 0.0f));
        phong.setUniform("materialCoefficients", glm::vec3(0.8f, 0.7f, 0.1f));
        phong.setUniform("specularAlpha", 2.0f);
        phong.setUniform("modelMatrix", glm::mat4(1.0f));
        phong.setUniform("normalMatrix", glm::mat3(1.0f));
        if (picture_) {
            picture_->bind(0);
        }
        model_.draw();
        return downsampled(target.read(), supersample);
    }

private:
    glm::vec3 centre() const { return (bounds_.min + bounds_.max) * 0.5f; }
    float radius() const { return std::max(0.5f, glm::length(bounds_.max - bounds_.min) * 0.5f); }

    ModelPreview preview_;
    ShaderPtr phong_;
    SceneLights lights_;
    ImportedModel model_;
    Bounds bounds_;
    TexturePtr picture_;
    std::optional<Geometry> ground_;
};

struct GameView {
    std::optional<AssetId> picture; // the one the game binds under it
    glm::vec3 front{0.0f, 0.0f, 1.0f};
    float groundY = 0.0f;
};

// How the game shows each model; one it does not draw stands on its own.
GameView gameViewOf(AssetId model)
{
    using enum AssetId;
    switch (model) {
    case FigureModel: return {Metal, {0, 0, -1}, 0.0f};
    case UnicornModel: return {UnicornSkin, {-1, 0, 0}, 0.0f};
    case LadderModel: return {Grass, {-1, 0, 1}, 0.0f};
    case BrickWallModel: return {Bricks, {0, 0, 1}, -1.5f};
    case ToiletHutModel: return {Toilet, {-1, 0, 1}, -2.0f};
    case BagModel: return {Bag, {0, 0, 1}, -1.0f};
    case TerrainModel: return {std::nullopt, {0, 0, 1}, -3.0f};
    default: return {};
    }
}

std::string fileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string sizeText(const glm::vec3& size)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.2f x %.2f x %.2f", size.x, size.y, size.z);
    return text;
}

} // namespace

std::vector<ModelPreview> gameModels()
{
    std::vector<ModelPreview> models;
    for (const AssetRow& row : asset::kindRows(AssetKind::Model)) {
        ModelPreview preview{std::string(row.path), {}};
        const auto [picture, front, groundY] = gameViewOf(row.id);
        if (picture) {
            preview.boundPicture = asset::row(*picture).path;
        }
        preview.front = front;
        preview.groundY = groundY;
        models.push_back(std::move(preview));
    }
    return models;
}

Image modelSheet(const ModelPreview& preview)
{
    ModelScene scene(preview);
    std::vector<SheetItem> views{
        {"front", scene.render(turned(preview.front, 0, 0.15f), 400)},
        {"three-quarter, above", scene.render(turned(preview.front, 40, 0.6f), 400)},
        {"side", scene.render(turned(preview.front, 90, 0.1f), 400)},
        {"back", scene.render(turned(preview.front, 180, 0.3f), 400)},
    };
    return contactSheet(fileName(preview.path) + "  (" + sizeText(scene.size()) + ")", views, 4, 400);
}

Image allModelsSheet()
{
    std::vector<SheetItem> views;
    for (const ModelPreview& preview : gameModels()) {
        ModelScene scene(preview);
        views.push_back({fileName(preview.path), scene.render(turned(preview.front, 35, 0.45f), 300)});
    }
    return contactSheet("Models as the game draws them, with the pictures it binds", views, 4, 300);
}

} // namespace tavernrush::assetgen
