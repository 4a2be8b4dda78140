// Accepting and reading with poll() deadlines, on non-blocking sockets.

#include "physics_monitor/SnapshotListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace tavernrush {

namespace {

using Clock = std::chrono::steady_clock;

// poll() time-out for a deadline: -1 waits without limit, otherwise the
// milliseconds left, rounded up.
int pollTimeout(std::optional<Clock::time_point> deadline)
{
    if (!deadline) {
        return -1;
    }
    const auto left = *deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
        return 0;
    }
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// True once `socket` is readable; false when the deadline passed.
bool waitReadable(int socket, std::optional<Clock::time_point> deadline, std::string& error)
{
    for (;;) {
        const int timeout = pollTimeout(deadline);
        pollfd entry{socket, POLLIN, 0};
        const int ready = ::poll(&entry, 1, timeout);
        if (ready > 0) {
            return true;
        }
        if (ready == 0) {
            return false;
        }
        if (errno != EINTR) {
            error = std::string("poll failed: ") + std::strerror(errno);
            return false;
        }
    }
}

bool endsWithEndLine(const std::string& text)
{
    constexpr std::string_view endLine = "\nend\n";
    return text.size() >= endLine.size() &&
           std::string_view(text).substr(text.size() - endLine.size()) == endLine;
}

class SocketOwner {
public:
    explicit SocketOwner(int socket) : socket_(socket) {}
    ~SocketOwner()
    {
        if (socket_ >= 0) {
            ::close(socket_);
        }
    }
    SocketOwner(const SocketOwner&) = delete;
    SocketOwner& operator=(const SocketOwner&) = delete;
    int get() const { return socket_; }

private:
    int socket_;
};

} // namespace

SnapshotListener::SnapshotListener(std::uint16_t port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        error_ = std::string("cannot create a socket: ") + std::strerror(errno);
        return;
    }
    // Lets the monitor be restarted at once on the same port.
    const int enable = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &enable, sizeof enable);

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket, 8) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error_ = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
        ::close(socket);
        return;
    }
    socket_ = socket;
    port_ = ntohs(address.sin_port);
}

SnapshotListener::~SnapshotListener()
{
    if (socket_ >= 0) {
        ::close(socket_);
    }
}

ReceivedSnapshot SnapshotListener::receive(std::optional<std::chrono::milliseconds> timeout)
{
    ReceivedSnapshot received;
    if (!isOpen()) {
        received.error = "the listener is not open";
        return received;
    }
    std::optional<Clock::time_point> deadline;
    if (timeout) {
        deadline = Clock::now() + *timeout;
    }

    int accepted = -1;
    while (accepted < 0) {
        if (!waitReadable(socket_, deadline, received.error)) {
            if (received.error.empty()) {
                received.outcome = ReceivedSnapshot::Outcome::timedOut;
                received.error = "no snapshot arrived in time";
            }
            return received;
        }
        accepted = ::accept4(socket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (accepted < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR &&
            errno != ECONNABORTED) {
            received.error = std::string("accept failed: ") + std::strerror(errno);
            return received;
        }
    }
    const SocketOwner connection(accepted);

    Clock::time_point readDeadline = Clock::now() + connectionReadLimit;
    if (deadline) {
        readDeadline = std::min(readDeadline, *deadline);
    }
    std::array<char, 16384> buffer{};
    for (;;) {
        if (!waitReadable(connection.get(), readDeadline, received.error)) {
            if (received.error.empty()) {
                received.outcome = ReceivedSnapshot::Outcome::timedOut;
                received.error = "the sender stopped before the end of its snapshot";
            }
            return received;
        }
        const ssize_t count = ::recv(connection.get(), buffer.data(), buffer.size(), 0);
        if (count < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                continue;
            }
            received.error = std::string("reading failed: ") + std::strerror(errno);
            return received;
        }
        if (count == 0) {
            break;  // the sender closed the connection
        }
        received.text.append(buffer.data(), static_cast<std::size_t>(count));
        if (received.text.size() > maxSnapshotBytes) {
            received.error = "the sender sent more than " + std::to_string(maxSnapshotBytes) +
                             " bytes without finishing a snapshot";
            return received;
        }
        if (endsWithEndLine(received.text)) {
            break;  // complete; whatever the sender does next is not needed
        }
    }
    if (received.text.empty()) {
        received.error = "the connection closed without sending anything";
        return received;
    }
    received.outcome = ReceivedSnapshot::Outcome::received;
    return received;
}

} // namespace tavernrush
