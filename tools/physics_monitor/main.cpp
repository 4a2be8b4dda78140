// tavernrush-physics-monitor: listens where the game offers its physics
// world at start-up and prints what it receives.

#include "physics/SnapshotFormat.h"
#include "physics_monitor/MonitorOptions.h"
#include "physics_monitor/SnapshotListener.h"
#include "physics_monitor/SnapshotSummary.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace tavernrush;

int main(int argc, char** argv)
{
    const MonitorOptionsResult parsed =
        parseMonitorOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!parsed.options) {
        std::cerr << "tavernrush-physics-monitor: " << parsed.error << "\n" << monitorUsage();
        return 2;
    }
    const MonitorOptions& options = *parsed.options;
    if (options.showHelp) {
        std::cout << monitorUsage();
        return 0;
    }

    SnapshotListener listener(options.port);
    if (!listener.isOpen()) {
        std::cerr << "tavernrush-physics-monitor: " << listener.error() << "\n";
        return 1;
    }
    // Flushed at once: whoever started the monitor (a test using port 0, a
    // person) learns the port before the first snapshot arrives.
    std::cout << "listening on 127.0.0.1:" << listener.port() << std::endl;

    std::optional<WorldSnapshot> previous;
    for (int number = 1; number <= options.snapshots; ++number) {
        const ReceivedSnapshot received = listener.receive(options.timeout);
        if (received.outcome != ReceivedSnapshot::Outcome::received) {
            std::cerr << "snapshot " << number << ": " << received.error << "\n";
            return 1;
        }
        const SnapshotParseResult result = parseSnapshot(received.text);
        if (!result.ok()) {
            std::cerr << "snapshot " << number << " is not valid: line " << result.errorLine
                      << ": " << result.error << "\n";
            return 1;
        }
        std::cout << "snapshot " << number << ": " << describeSnapshot(*result.snapshot);
        if (previous) {
            std::cout << "since snapshot " << number - 1 << ": "
                      << describeMovement(*previous, *result.snapshot);
        }
        std::cout << std::flush;
        previous = result.snapshot;
    }
    return 0;
}
