#include "components/GuardSocket_posix.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace components {

namespace {

bool MakeAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// A non-blocking local socket and the address of path; -1 when the path is too long.
int NewSocket(const std::string& path, sockaddr_un& address) {
    if (!MakeAddress(path, address)) {
        return -1;
    }
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Waits until fd is ready for events; false once the deadline has passed.
bool WaitFor(int fd, short events, Deadline deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

// Runs a non-blocking socket operation, which may move fewer bytes than asked, until size bytes
// are moved; false at an error, the end of the stream or the deadline.
template <typename Operation>
bool TransferAll(int fd, short events, std::size_t size, Deadline deadline, Operation operation) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t moved = operation(done, size - done);
        if (moved > 0) {
            done += static_cast<std::size_t>(moved);
            continue;
        }
        const bool wait = moved < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        if (moved == 0 || (moved < 0 && errno != EINTR && !wait) ||
            (wait && !WaitFor(fd, events, deadline))) {
            return false;
        }
    }
    return true;
}

} // namespace

int ConnectBefore(const std::string& path, Deadline deadline) {
    sockaddr_un address;
    const int fd = NewSocket(path, address);
    if (fd < 0) {
        return -1;
    }
    for (;;) {
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            return fd;
        }
        if (errno == EINTR) {
            continue;
        }
        // A full backlog: the running copy is busy, so try again until the deadline.
        if (errno == EAGAIN && std::chrono::steady_clock::now() < deadline) {
            ::poll(nullptr, 0, 10);
            continue;
        }
        int error = errno;
        socklen_t size = sizeof error;
        if (errno == EINPROGRESS && WaitFor(fd, POLLOUT, deadline) &&
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) {
            return fd;
        }
        ::close(fd);
        return -1;
    }
}

bool SendBefore(int fd, const void* data, std::size_t size, Deadline deadline) {
    const auto* bytes = static_cast<const char*>(data);
    return TransferAll(fd, POLLOUT, size, deadline, [&](std::size_t done, std::size_t left) {
        return ::send(fd, bytes + done, left, MSG_NOSIGNAL);
    });
}

bool ReceiveBefore(int fd, void* data, std::size_t size, Deadline deadline) {
    auto* bytes = static_cast<char*>(data);
    return TransferAll(fd, POLLIN, size, deadline, [&](std::size_t done, std::size_t left) {
        return ::recv(fd, bytes + done, left, 0);
    });
}

bool PeerIsThisUser(int fd, std::uint32_t& processId) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::getuid()) {
        return false;
    }
    processId = static_cast<std::uint32_t>(peer.pid);
    return true;
}

int ListenAt(const std::string& path) {
    sockaddr_un address;
    const int fd = NewSocket(path, address);
    if (fd < 0) {
        return -1;
    }
    // A long queue, so that many copies started at once all wait their turn.
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace components
