#pragma once
// Command-line options of tavernrush-physics-monitor.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

struct MonitorOptions {
    std::uint16_t port = 5425;  // 0 lets the system pick a free port
    int snapshots = 1;          // how many snapshots to read before ending
    // Longest wait for each snapshot; none waits for as long as it takes.
    std::optional<std::chrono::milliseconds> timeout;
    bool showHelp = false;
};

struct MonitorOptionsResult {
    std::optional<MonitorOptions> options;  // set when the arguments are valid
    std::string error;
};

// `arguments` excludes the program name.
MonitorOptionsResult parseMonitorOptions(const std::vector<std::string>& arguments);

std::string monitorUsage();

} // namespace tavernrush
