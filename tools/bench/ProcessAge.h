#pragma once
// How long this process has existed, for the start-up measurement.

namespace tavernrush {

// Seconds since the kernel started this process (its clock-tick resolution,
// usually 10 ms), or a negative value where that cannot be read.
double secondsSinceProcessStart();

} // namespace tavernrush
