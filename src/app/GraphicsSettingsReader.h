#pragma once
// The [graphics] section of the settings: render_scale, msaa, bloom and
// shadow_size. Every value that is not one the key takes, unreadable ones
// included, costs one console line naming the key and the default used.

#include "passes/GraphicsSettings.h"

#include <iosfwd>

class INIReader;

namespace tavernrush {

GraphicsSettings readGraphicsSettings(const INIReader& reader, std::ostream& log);

} // namespace tavernrush
