#include "passes/GlowCopy.h"

namespace tavernrush {

void blitGlowToBlur(GLuint sourceFramebuffer, int sourceWidth, int sourceHeight, GLuint destinationFramebuffer,
                    int destinationWidth, int destinationHeight)
{
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, destinationFramebuffer);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, sourceFramebuffer);
    glReadBuffer(GL_COLOR_ATTACHMENT1);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glBlitFramebuffer(0, 0, sourceWidth, sourceHeight, 0, 0, destinationWidth, destinationHeight,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
}

} // namespace tavernrush
