#version 420 core
// Debugging aid, never drawn by the game: shows the quad's uv in red and
// green and its depth in blue, so a stray draw is easy to recognise.

in vec2 uv;

layout(location = 0) out vec4 color;

void main()
{
    color = vec4(uv, gl_FragCoord.z, 1.0);
}
