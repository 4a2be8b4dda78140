#include "app/DebugOutput.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace tavernrush {

// The AMD_debug_output categories share the names of the matching KHR values.
std::string_view debugSourceName(GLenum source)
{
    switch (source) {
    case 0x8246: case 0x9149: return "API";
    case 0x8247: case 0x914A: return "Window System";
    case 0x8248: case 0x914E: return "Shader Compiler";
    case 0x8249: return "Third Party";
    case 0x824A: case 0x914F: return "Application";
    case 0x824B: case 0x9150: return "Other";
    default: return "Unknown";
    }
}

std::string_view debugTypeName(GLenum type)
{
    switch (type) {
    case 0x824C: return "Error";
    case 0x824D: case 0x914B: return "Deprecated Behavior";
    case 0x824E: case 0x914C: return "Undefined Behavior";
    case 0x824F: return "Portability";
    case 0x8250: case 0x914D: return "Performance";
    case 0x8251: case 0x9150: return "Other";
    default: return "Unknown";
    }
}

std::string_view debugSeverityName(GLenum severity)
{
    switch (severity) {
    case 0x9146: return "High";
    case 0x9147: return "Medium";
    case 0x9148: return "Low";
    default: return "Unknown";
    }
}

std::optional<std::string> formatDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity,
                                              std::string_view message)
{
    if (std::find(std::begin(ignoredDebugIds), std::end(ignoredDebugIds), id) != std::end(ignoredDebugIds)) {
        return std::nullopt;
    }
    std::string line = "OpenGL Error: ";
    line += message;
    line += " [Source = ";
    line += debugSourceName(source);
    line += ", Type = ";
    line += debugTypeName(type);
    line += ", Severity = ";
    line += debugSeverityName(severity);
    line += ", ID = ";
    line += std::to_string(id);
    line += "]";
    return line;
}

void GLAPIENTRY onGlDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, GLsizei length,
                                 const GLchar* message, const void* /*userParam*/)
{
    const std::string_view text = message == nullptr ? std::string_view{}
                                  : length < 0       ? std::string_view{message, std::strlen(message)}
                                                     : std::string_view{message, static_cast<std::size_t>(length)};
    if (const auto line = formatDebugMessage(source, type, id, severity, text)) {
        std::cout << *line << std::endl;
    }
}

bool attachDebugOutput()
{
    if (glDebugMessageCallback == nullptr) {
        return false;
    }
    glDebugMessageCallback(onGlDebugMessage, nullptr);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
    return true;
}

} // namespace tavernrush
