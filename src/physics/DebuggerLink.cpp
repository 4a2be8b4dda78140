// POSIX sockets behind DebuggerLink: a non-blocking socket throughout, with
// poll() deadlines in place of blocking calls.

#include "physics/DebuggerLink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace tavernrush {

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, rounded up so a wait never ends early
// and never negative.
int millisecondsLeft(Clock::time_point deadline)
{
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// Waits until `socket` is writable or the deadline passes; false on time-out
// or a poll failure.
bool waitWritable(int socket, Clock::time_point deadline)
{
    for (;;) {
        const int left = millisecondsLeft(deadline);
        if (left == 0) {
            return false;
        }
        pollfd entry{socket, POLLOUT, 0};
        const int ready = ::poll(&entry, 1, left);
        if (ready > 0) {
            return true;  // writable, or an error the next call reports
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

} // namespace

DebuggerLink DebuggerLink::connect(std::uint16_t port, std::chrono::milliseconds timeout)
{
    const Clock::time_point deadline = Clock::now() + timeout;
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return DebuggerLink();
    }
    DebuggerLink link(socket);

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return link;
    }
    if (errno != EINPROGRESS && errno != EINTR) {
        return DebuggerLink();  // refused: nobody listens
    }
    if (!waitWritable(socket, deadline)) {
        return DebuggerLink();
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        return DebuggerLink();
    }
    return link;
}

DebuggerLink::~DebuggerLink()
{
    close();
}

DebuggerLink::DebuggerLink(DebuggerLink&& other) noexcept
    : socket_(std::exchange(other.socket_, -1))
{
}

DebuggerLink& DebuggerLink::operator=(DebuggerLink&& other) noexcept
{
    if (this != &other) {
        close();
        socket_ = std::exchange(other.socket_, -1);
    }
    return *this;
}

bool DebuggerLink::send(std::string_view bytes, std::chrono::milliseconds timeout)
{
    if (!isConnected()) {
        return false;
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    while (!bytes.empty()) {
        // MSG_NOSIGNAL: a listener that went away gives EPIPE here instead of
        // a signal that would end the game.
        const ssize_t sent = ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitWritable(socket_, deadline)) {
                return false;
            }
            continue;
        }
        return false;
    }
    return true;
}

void DebuggerLink::close()
{
    if (socket_ >= 0) {
        ::close(socket_);
        socket_ = -1;
    }
}

} // namespace tavernrush
