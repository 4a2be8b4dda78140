#version 420 core
// Sky box: the cube's corner positions double as cube-map directions. Only
// the camera's rotation ("view" is a 3x3) moves the sky, and w is copied into
// z so every fragment lands exactly on the far plane (depth 1), behind the
// whole level, which is drawn after the sky with GL_LEQUAL still passing it.

layout(location = 0) in vec3 position;

uniform mat3 view;
uniform mat4 proj;

out vec3 direction;

void main()
{
    direction = position;
    gl_Position = (proj * vec4(view * position, 1.0)).xyww;
}
