#pragma once
// The lettering and boards of the game drawn with its own GL program: the
// countdown and the PAUSED board over the finished image, the plaque with
// the times under the win picture inside the scene. Everything is cut from
// generated pictures (HudAtlas.h); no font is read at run time.

#include "game/AssetPaths.h"
#include "game/FrameScene.h"
#include "render/GlName.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "scene/HudLayout.h"
#include "scene/MenuLayout.h"

#include <glm/glm.hpp>

#include <vector>

namespace tavernrush {

class Hud {
public:
    // Builds the lettering's program, reads its two pictures and makes the
    // vertex buffer; a missing picture is reported like any other and its
    // pieces draw as nothing.
    explicit Hud(const AssetPaths& paths);
    Hud(const Hud&) = delete;
    Hud& operator=(const Hud&) = delete;

    // Into the scene target while the scene is drawn, depth-tested like the
    // boards: `pictureFrame` places the win picture's own frame (HudLayout.h).
    void drawWinPlaque(const WinTime& win, const glm::mat4& projectionView, const glm::mat4& pictureFrame);

    // Over the finished image in the window's framebuffer, inside
    // `viewport` (x, y, width, height of the letterboxed image).
    // A menu takes the PAUSED board's place.
    void drawOverlay(const std::optional<CountdownDisplay>& countdown, bool paused, const glm::ivec4& viewport,
                     const std::optional<MenuView>& menu = std::nullopt,
                     const std::optional<std::string>& prompt = std::nullopt);

private:
    void draw(const std::vector<HudQuad>& quads, const Texture& picture, const glm::vec3& tint);

    ShaderPtr shader_;
    TexturePtr atlas_;
    TexturePtr pausedBoard_;
    TexturePtr letters_;
    VertexArrayName vertexArray_;
    BufferName vertices_;
    std::vector<float> staging_;
};

// The countdown's colour: white, in the last seconds a pulse between a
// warning red and amber.
glm::vec3 countdownTint(const CountdownDisplay& countdown);

} // namespace tavernrush
