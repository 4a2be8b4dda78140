#version 420 core
// Full-screen pass: one point, no attributes; the geometry stage turns it
// into a quad covering the viewport. The texture coordinate travels in an
// interface block so that the vertex and fragment stages also link on their
// own, before the geometry stage is attached.

out VertexData {
    vec2 uv;
} vs_out;

void main()
{
    vs_out.uv = vec2(0.5);
    gl_Position = vec4(0.0, 0.0, 0.0, 1.0);
}
