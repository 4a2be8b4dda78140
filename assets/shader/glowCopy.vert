#version 420 core
// The glow copy's quad over the whole target, made from gl_VertexID alone:
// its four corners as a triangle fan from the lower left, anticlockwise.
// Drawn so, llvmpipe picks for every half-size texel the very source texel
// its own framebuffer blit would pick (the blit draws the same fan), at any
// size; a strip, or a point expanded by a geometry stage, splits the quad
// along the other diagonal and picks differently on some rows.

out vec2 uv;

const vec2 corners[4] = vec2[](vec2(0.0, 0.0), vec2(1.0, 0.0), vec2(1.0, 1.0), vec2(0.0, 1.0));

void main()
{
    uv = corners[gl_VertexID];
    gl_Position = vec4(corners[gl_VertexID] * 2.0 - 1.0, 0.0, 1.0);
}
