#pragma once
// A six-face cube texture, the sky's. Faces are flipped to top-down rows
// before upload, which is the order cube-map faces expect.

#include "render/GlName.h"

#include <string>
#include <vector>

namespace tavernrush {

class CubeMap {
public:
    // Stores the six face paths (directory + file) in +X, -X, +Y, -Y, +Z, -Z
    // order; creates no GL object until load().
    CubeMap(const std::string& directory, const std::string& right, const std::string& left,
            const std::string& top, const std::string& bottom, const std::string& front, const std::string& back);

    // Creates the cube texture and uploads every face; a face that cannot be
    // decoded, is not square or differs in size from the first face that
    // loaded is reported and left empty. The texture stays bound.
    void load();

    GLuint handle() const { return handle_.get(); }
    // Binds the cube map to texture unit `unit`, which stays the active unit.
    void bind(unsigned unit) const;
    // The size the faces share; 0 when none loaded.
    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<std::string>& facePaths() const { return facePaths_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::string> facePaths_;
    TextureName handle_;
};

} // namespace tavernrush
