#pragma once
// Whether the GL context the driver gave can run the game. The shaders
// declare #version 420 core (sampler binding qualifiers are the newest thing
// they use) and the C++ side calls nothing newer, so 4.2 is the floor; below
// it every program would fail to compile and the window would stay black.

#include <optional>
#include <string>
#include <string_view>

namespace tavernrush {

struct GlVersion {
    int major = 0;
    int minor = 0;
    friend auto operator<=>(const GlVersion&, const GlVersion&) = default;
};

inline constexpr GlVersion requiredGlVersion{4, 2};

// The line (without "ERROR: ") for a driver below the floor, else nothing.
std::optional<std::string> driverProblem(GlVersion offered, std::string_view renderer);

// Debug output is core from 4.3 and an extension (KHR_debug) before; the
// game uses it where offered and runs without it.
bool debugOutputOffered(GlVersion offered, bool khrDebugExtension);

// Of the current context.
GlVersion currentGlVersion();
std::string currentRenderer();

} // namespace tavernrush
