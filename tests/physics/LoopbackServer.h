#pragma once
// Misbehaving listeners on the loopback address for the debugger link tests:
// each stands for a way a debugger can fail the game.

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace tavernrush::testing {

enum class ListenerBehaviour {
    speakGarbage,  // accepts, floods the game with bytes, discards what it gets
    silent,        // accepts and never reads
    neverAccept,   // listens, leaves the connection in the queue
    vanish,        // accepts and resets the connection shortly after
};

class LoopbackServer {
public:
    explicit LoopbackServer(ListenerBehaviour behaviour);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::uint16_t port() const { return port_; }
    // Connections accepted so far (always 0 for neverAccept).
    int acceptedConnections() const { return accepted_.load(); }

private:
    void run(ListenerBehaviour behaviour);

    int listenSocket_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> accepted_{0};
    std::vector<int> held_;  // connections kept open until the end
    std::thread thread_;
};

// A port whose connection queue is full, so a connect to it gets no answer
// at all (the system drops the handshake) and can only end by time-out.
class UnansweredPort {
public:
    UnansweredPort();
    ~UnansweredPort();
    UnansweredPort(const UnansweredPort&) = delete;
    UnansweredPort& operator=(const UnansweredPort&) = delete;

    // False when this system answered every connect anyway.
    bool ready() const { return ready_; }
    std::uint16_t port() const { return port_; }

private:
    int listenSocket_ = -1;
    std::uint16_t port_ = 0;
    std::vector<int> fillers_;
    bool ready_ = false;
};

// A loopback port that nobody listens on (bound, then released).
std::uint16_t unusedLoopbackPort();

} // namespace tavernrush::testing
