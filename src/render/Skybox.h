#pragma once
// The sky: a cube of half-size 1 around the camera showing the six pictures
// of the sky cube map. Only the camera's turning moves it, and it is drawn at
// the far plane so the whole level stands in front of it.

#include "render/CubeMap.h"
#include "render/GlName.h"
#include "render/Shader.h"

#include <glm/glm.hpp>

namespace tavernrush {

class Skybox {
public:
    // Uploads the cube and loads the six faces of `faces`; missing faces
    // stay empty. The cube's vertex array and texture are left bound.
    explicit Skybox(CubeMap faces);

    // Binds and draws the 36 vertices with the cube map on unit 0; sets no
    // uniform and selects no program. Leaves no vertex array and no cube
    // texture bound.
    void draw() const;

    const CubeMap& cubeMap() const { return cubeMap_; }

private:
    CubeMap cubeMap_;
    VertexArrayName vao_;
    // Declared last so it is released before the array that reads it.
    BufferName vbo_;
};

// The frame's sky step: "skyShader" with "view" = the turning part of the
// camera (its 3x3, without translation) and "proj" = the projection, drawn
// with GL_LEQUAL so fragments at depth 1 pass a depth buffer cleared to 1.
// The depth function is GL_LESS afterwards, whatever it was before.
void drawSky(const Skybox& skybox, Shader& skyShader, const glm::mat4& viewMatrix, const glm::mat4& projectionMatrix);

} // namespace tavernrush
