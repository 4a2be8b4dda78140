#pragma once
// Small GLSL programs written by the tests themselves, each of which keeps
// every uniform it declares active so values can be read back.

#include "TestFiles.h"

#include <string>

namespace tavernrush::testing {

// A lit program with the per-object, material, camera and light uniforms of
// the game's lit programs ("phongPhong", "normalMapping", "glow").
void writeLitProgram(const ScratchDirectory& directory, const std::string& name);

// One uniform per setter type: "tint" (vec3), "offset" (vec2), "scale"
// (float), "horizontal" (int), "model" (mat4), "view" (mat3).
void writeSetterProgram(const ScratchDirectory& directory, const std::string& name);

// A vertex, geometry and fragment stage whose fragment input only the
// geometry stage writes, so the program links only with all three stages.
void writeGeometryStageProgram(const ScratchDirectory& directory, const std::string& name);

} // namespace tavernrush::testing
