#version 420 core
// Shadow depth pass: only the depth buffer is written, which the fixed
// pipeline does on its own.

void main()
{
}
