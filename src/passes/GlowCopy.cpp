#include "passes/GlowCopy.h"

namespace tavernrush {

void copyGlowToBlur(const Shader& program, GLuint emptyVertexArray, GLuint glowTexture, GLuint destinationFramebuffer,
                    int destinationWidth, int destinationHeight)
{
    glBindFramebuffer(GL_FRAMEBUFFER, destinationFramebuffer);
    glViewport(0, 0, destinationWidth, destinationHeight);
    // A copy: whatever depth the blur target holds must not hide a texel.
    const GLboolean depthTest = glIsEnabled(GL_DEPTH_TEST);
    glDisable(GL_DEPTH_TEST);
    program.use();
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, glowTexture);
    glBindVertexArray(emptyVertexArray);
    glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
    if (depthTest == GL_TRUE) {
        glEnable(GL_DEPTH_TEST);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

} // namespace tavernrush
