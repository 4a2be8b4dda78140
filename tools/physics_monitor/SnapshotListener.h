#pragma once
// The monitor's end of the physics debugger link: a TCP socket listening on
// the loopback address that takes one connection per snapshot.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tavernrush {

// A sender that exceeds this is broken or is not the game.
inline constexpr std::size_t maxSnapshotBytes = 4 * 1024 * 1024;
// Once connected, a sender has this long to deliver its snapshot, so a stray
// client that connects and says nothing cannot hold the monitor forever.
inline constexpr std::chrono::milliseconds connectionReadLimit{5000};

struct ReceivedSnapshot {
    enum class Outcome { received, timedOut, failed };

    Outcome outcome = Outcome::failed;
    std::string text;   // what arrived; checked by the caller
    std::string error;  // why nothing usable arrived
};

class SnapshotListener {
public:
    // Listens on 127.0.0.1:port; port 0 takes any free port (see port()).
    // Check isOpen() and error() afterwards.
    explicit SnapshotListener(std::uint16_t port);
    ~SnapshotListener();
    SnapshotListener(const SnapshotListener&) = delete;
    SnapshotListener& operator=(const SnapshotListener&) = delete;

    bool isOpen() const { return socket_ >= 0; }
    const std::string& error() const { return error_; }
    std::uint16_t port() const { return port_; }

    // Waits for the next connection and reads from it until the "end" line,
    // the sender closes, the size limit or the deadline. Without a timeout it
    // waits for a connection as long as it takes.
    ReceivedSnapshot receive(std::optional<std::chrono::milliseconds> timeout);

private:
    int socket_ = -1;
    std::uint16_t port_ = 0;
    std::string error_;
};

} // namespace tavernrush
