#pragma once
// GL debug-output messages in the game's own console format.

#include <GL/glew.h>

#include <optional>
#include <string>
#include <string_view>

namespace tavernrush {

// Two driver chatter ids (buffer placement notes) that carry no information.
inline constexpr GLuint ignoredDebugIds[] = {131185, 131218};

std::string_view debugSourceName(GLenum source);
std::string_view debugTypeName(GLenum type);
std::string_view debugSeverityName(GLenum severity);

// The console line for one message, or nothing for an ignored id.
std::optional<std::string> formatDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity,
                                              std::string_view message);

// The callback handed to glDebugMessageCallback: prints the formatted line
// to standard output. Output is synchronous, so it runs inside the failing call.
void GLAPIENTRY onGlDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, GLsizei length,
                                 const GLchar* message, const void* userParam);

// Registers onGlDebugMessage if the driver offers debug output; returns
// whether it did.
bool attachDebugOutput();

} // namespace tavernrush
