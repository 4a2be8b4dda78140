#pragma once
// A mipmapped 2D texture decoded from a picture file. Pictures are uploaded
// in FreeImage's bottom-up row order, so the picture's bottom row sits at t = 0.

#include "render/GlName.h"

#include <memory>
#include <string>

namespace tavernrush {

class Texture {
public:
    // Never fails: a file that cannot be decoded is reported on the console
    // and gives an empty 0 x 0 texture with a valid name.
    explicit Texture(const std::string& path);

    GLuint handle() const { return handle_.get(); }
    // Binds the texture to texture unit `unit`, which stays the active unit.
    void bind(unsigned unit) const;
    int width() const { return width_; }
    int height() const { return height_; }

private:
    TextureName handle_;
    int width_ = 0;
    int height_ = 0;
};

using TexturePtr = std::shared_ptr<Texture>;

TexturePtr makeTexture(const std::string& path);

// The message every texture loader prints for a picture it cannot use.
void reportTextureFailure(const std::string& path);

} // namespace tavernrush
