// Socket plumbing of the test listeners.

#include "physics/LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <string>

namespace tavernrush::testing {

namespace {

int listenOnLoopback(int backlog, std::uint16_t& port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        throw std::runtime_error("socket failed");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket, backlog) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(socket);
        throw std::runtime_error("cannot listen on the loopback address");
    }
    port = ntohs(address.sin_port);
    return socket;
}

constexpr auto vanishDelay = std::chrono::milliseconds(30);

bool readable(int socket, int milliseconds)
{
    pollfd entry{socket, POLLIN, 0};
    return ::poll(&entry, 1, milliseconds) > 0;
}

} // namespace

LoopbackServer::LoopbackServer(ListenerBehaviour behaviour)
{
    listenSocket_ = listenOnLoopback(8, port_);
    thread_ = std::thread([this, behaviour] { run(behaviour); });
}

LoopbackServer::~LoopbackServer()
{
    stop_ = true;
    thread_.join();
    for (int socket : held_) {
        ::close(socket);
    }
    ::close(listenSocket_);
}

void LoopbackServer::run(ListenerBehaviour behaviour)
{
    if (behaviour == ListenerBehaviour::neverAccept) {
        return;
    }
    while (!stop_) {
        if (!readable(listenSocket_, 5)) {
            continue;
        }
        const int connection = ::accept4(listenSocket_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            continue;
        }
        ++accepted_;
        switch (behaviour) {
        case ListenerBehaviour::vanish: {
            // Gives the client time to see its connect succeed, then closes
            // with zero linger, which sends a reset instead of a goodbye.
            std::this_thread::sleep_for(vanishDelay);
            const linger reset{1, 0};
            ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            ::close(connection);
            break;
        }
        case ListenerBehaviour::silent:
            held_.push_back(connection);
            break;
        case ListenerBehaviour::speakGarbage: {
            const std::string garbage(4096, '\x9c');
            for (int k = 0; k < 16; ++k) {
                if (::send(connection, garbage.data(), garbage.size(), MSG_NOSIGNAL | MSG_DONTWAIT) <= 0) {
                    break;
                }
            }
            char sink[4096];
            while (!stop_ && readable(connection, 5) &&
                   ::recv(connection, sink, sizeof sink, 0) > 0) {
            }
            ::close(connection);
            break;
        }
        case ListenerBehaviour::neverAccept:
            break;
        }
    }
}

UnansweredPort::UnansweredPort()
{
    // A backlog of 0 still queues one connection; the ones after it find the
    // queue full. Connect fillers until one is left without an answer.
    listenSocket_ = listenOnLoopback(0, port_);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port_);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int attempt = 0; attempt < 8 && !ready_; ++attempt) {
        const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        fillers_.push_back(filler);
        if (::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            continue;
        }
        if (errno != EINPROGRESS) {
            continue;
        }
        pollfd entry{filler, POLLOUT, 0};
        ready_ = ::poll(&entry, 1, 50) == 0;
    }
}

UnansweredPort::~UnansweredPort()
{
    for (int filler : fillers_) {
        ::close(filler);
    }
    ::close(listenSocket_);
}

std::uint16_t unusedLoopbackPort()
{
    std::uint16_t port = 0;
    ::close(listenOnLoopback(1, port));
    return port;
}

} // namespace tavernrush::testing
