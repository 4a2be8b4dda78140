#pragma once
// A short-lived TCP connection from the game to a physics debugger on the
// local machine. Every step is bounded in time and failure is silent: a
// missing, slow, silent or vanished listener never stalls or stops the game.

#include <chrono>
#include <cstdint>
#include <string_view>

namespace tavernrush {

inline constexpr std::uint16_t defaultDebuggerPort = 5425;
inline constexpr std::chrono::milliseconds debuggerConnectTimeout{10};
// Budget for handing over one snapshot. A 55-body snapshot is a few
// kilobytes and fits the socket buffer at once; the budget only matters for a
// listener that stopped reading.
inline constexpr std::chrono::milliseconds debuggerSendTimeout{10};

// The time limits of one offer to the debugger. The game uses the defaults;
// tests that need the snapshot to arrive on a busy machine allow more.
struct DebuggerLinkLimits {
    std::chrono::milliseconds connect = debuggerConnectTimeout;
    std::chrono::milliseconds send = debuggerSendTimeout;
};

class DebuggerLink {
public:
    // Tries to connect to 127.0.0.1:port and gives up after `timeout`. The
    // returned link is unconnected when that fails.
    static DebuggerLink connect(std::uint16_t port,
                                std::chrono::milliseconds timeout = debuggerConnectTimeout);

    DebuggerLink() = default;
    ~DebuggerLink();
    DebuggerLink(const DebuggerLink&) = delete;
    DebuggerLink& operator=(const DebuggerLink&) = delete;
    DebuggerLink(DebuggerLink&& other) noexcept;
    DebuggerLink& operator=(DebuggerLink&& other) noexcept;

    bool isConnected() const { return socket_ >= 0; }

    // Sends all of `bytes` or gives up after `timeout`. True only when every
    // byte was handed to the system. A broken connection gives false, never
    // a SIGPIPE.
    bool send(std::string_view bytes, std::chrono::milliseconds timeout = debuggerSendTimeout);

    // Closes the connection; whatever was sent is still delivered by the
    // system in the background.
    void close();

private:
    explicit DebuggerLink(int socket) : socket_(socket) {}

    int socket_ = -1;
};

} // namespace tavernrush
