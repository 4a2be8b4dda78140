#pragma once
// The text format in which the game hands a snapshot of its physics world to
// a debugger listening on the loopback port (see docs/physics-link.md).
//
// One record per line, each line ended by '\n', fields separated by single
// spaces, numbers in the C locale; reals are written as the shortest text that
// reads back to the same float, so a snapshot survives the trip bit for bit:
//
//   tavernrush-physics-snapshot 1                      format name and version
//   gravity <gx> <gy> <gz>
//   material <static friction> <dynamic friction> <restitution>
//   bodies <count>
//   body <index> <px> <py> <pz> <qx> <qy> <qz> <qw> <hx> <hy> <hz> <mass>
//   ...                                                 count body lines
//   end
//
// Body lines come in index order 0, 1, ..., count - 1. p is the centre of the
// body, q its rotation as a unit quaternion (x, y, z, w), h the half extents of
// its box and mass 0 marks a static body. "end" closes the snapshot, so a
// reader can tell a complete one from a connection that broke off.
//
// A reader rejects anything else: another name or version, a missing or
// extra line, a field that is not a finite number, a count that does not
// match, a body out of order, half extents that are not positive, a negative
// mass or a rotation that is not a unit quaternion.

#include "physics/WorldSnapshot.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavernrush {

inline constexpr std::string_view snapshotFormatName = "tavernrush-physics-snapshot";
inline constexpr int snapshotFormatVersion = 1;

// A reader's guard against absurd counts from a broken sender.
inline constexpr std::size_t maxSnapshotBodies = 100000;

std::string formatSnapshot(const WorldSnapshot& snapshot);

struct SnapshotParseResult {
    std::optional<WorldSnapshot> snapshot;  // set when the text is valid
    std::size_t errorLine = 0;              // 1-based line of the first fault
    std::string error;                      // what is wrong there

    bool ok() const { return snapshot.has_value(); }
};

SnapshotParseResult parseSnapshot(std::string_view text);

} // namespace tavernrush
