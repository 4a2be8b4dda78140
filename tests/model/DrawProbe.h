#pragma once
// A tiny GL program and 16 x 16 colour target for watching imported meshes
// draw: it counts the primitives a draw produces and reads the centre pixel.
// The fragment shader shows the red channel of texture unit 0 and the green
// channel of unit 1, so a pixel tells which texture sat on which unit.

#include <GL/glew.h>

#include <array>
#include <functional>

namespace tavernrush::testing {

class DrawProbe {
public:
    DrawProbe();
    ~DrawProbe();
    DrawProbe(const DrawProbe&) = delete;
    DrawProbe& operator=(const DrawProbe&) = delete;

    // Makes the program current, binds the target and clears it to blue.
    void begin();
    // Primitives generated while draw runs.
    GLuint countPrimitives(const std::function<void()>& draw);
    std::array<unsigned char, 4> centrePixel();

private:
    GLuint program_ = 0;
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint query_ = 0;
};

} // namespace tavernrush::testing
