#pragma once
// Which level a run plays: the one --level names, or the meadow. The level
// files lie in the data folder's assets/levels/.

#include "game/LevelDescription.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace tavernrush {

// The level could not be played: a name that is no level (the known ones
// are listed; status 2, as for any mistake on the command line) or a
// broken level file (status 1, as for any other start-up failure).
struct LevelRefusal {
    int exitStatus = 1;
};

// Prints one line on `out` when it refuses.
std::variant<LevelDescription, LevelRefusal> chooseLevel(const std::optional<std::string>& name,
                                                         const std::string& program, std::ostream& out);

} // namespace tavernrush
