#version 420 core
// Full-screen pass: expands the single point into a quad over the whole
// viewport (clip space -1..1) with texture coordinates 0..1.

layout(points) in;
layout(triangle_strip, max_vertices = 4) out;

in VertexData {
    vec2 uv;
} gs_in[];

out VertexData {
    vec2 uv;
} gs_out;

void corner(vec2 uv)
{
    gs_out.uv = uv;
    gl_Position = vec4(uv * 2.0 - 1.0, 0.0, 1.0);
    EmitVertex();
}

void main()
{
    corner(vec2(0.0, 0.0));
    corner(vec2(1.0, 0.0));
    corner(vec2(0.0, 1.0));
    corner(vec2(1.0, 1.0));
    EndPrimitive();
}
