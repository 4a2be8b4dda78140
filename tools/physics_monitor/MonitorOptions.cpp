// Parsing the monitor's few options strictly: a typo is reported, never
// guessed at.

#include "physics_monitor/MonitorOptions.h"

#include "app/CommandLineReader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

namespace tavernrush {

namespace {

// Longest accepted --timeout, so the milliseconds fit comfortably.
constexpr double maxTimeoutSeconds = 24.0 * 60.0 * 60.0;
constexpr int maxSnapshots = 1000;

template <typename Number>
bool parseWhole(std::string_view text, Number& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

bool parseSeconds(std::string_view text, double& seconds)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size() &&
           std::isfinite(seconds);
}

} // namespace

MonitorOptionsResult parseMonitorOptions(const std::vector<std::string>& arguments)
{
    CommandLineReader reader("-h,--help");
    std::vector<std::string> ports;
    std::vector<std::string> snapshots;
    std::vector<std::string> timeouts;
    reader.addValues("--port", ports);
    reader.addValues("--snapshots", snapshots);
    reader.addValues("--timeout", timeouts);
    const CommandLineReader::Outcome outcome = reader.read(arguments);
    MonitorOptions options;
    MonitorOptionsResult result;
    if (outcome.helpAsked) {
        options.showHelp = true;
        result.options = options;
        return result;
    }
    if (!outcome.mistake.empty()) {
        result.error = outcome.mistake;
        return result;
    }
    // Every value must be good; a repeated option takes the last.
    for (const std::string& value : ports) {
        unsigned port = 0;
        if (!parseWhole(value, port) || port > std::numeric_limits<std::uint16_t>::max()) {
            result.error = "--port takes a number from 0 to 65535, not \"" + value + "\"";
            return result;
        }
        options.port = static_cast<std::uint16_t>(port);
    }
    for (const std::string& value : snapshots) {
        int count = 0;
        if (!parseWhole(value, count) || count < 1 || count > maxSnapshots) {
            result.error = "--snapshots takes a number from 1 to " + std::to_string(maxSnapshots) + ", not \"" +
                           value + "\"";
            return result;
        }
        options.snapshots = count;
    }
    for (const std::string& value : timeouts) {
        double seconds = 0.0;
        if (!parseSeconds(value, seconds) || seconds < 0.0 || seconds > maxTimeoutSeconds) {
            result.error = "--timeout takes seconds from 0 to 86400, not \"" + value + "\"";
            return result;
        }
        if (seconds == 0.0) {
            options.timeout.reset();
        } else {
            // Round up so a tiny positive time-out never becomes "no wait".
            options.timeout = std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000.0)));
        }
    }
    result.options = options;
    return result;
}

std::string monitorUsage()
{
    return "usage: tavernrush-physics-monitor [--port N] [--snapshots K] [--timeout S]\n"
           "\n"
           "Listens on 127.0.0.1, reads physics snapshots sent by the game at start-up\n"
           "and prints a summary of each: body count, gravity, material, bounds, and\n"
           "from the second snapshot on whether any body moved since the one before.\n"
           "\n"
           "  --port N       port to listen on (default 5425; 0 picks a free one)\n"
           "  --snapshots K  snapshots to read before ending (default 1)\n"
           "  --timeout S    seconds to wait for each snapshot (default 0: no limit)\n"
           "\n"
           "Exit status: 0 when every snapshot arrived and was valid, 1 when one did\n"
           "not arrive in time or was not valid, 2 for a usage error.\n";
}

} // namespace tavernrush
