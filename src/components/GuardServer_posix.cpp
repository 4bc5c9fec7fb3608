#include "components/GuardServer_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace components {

namespace {

// The hand-over: the command line's length (native byte order: both ends run on this machine)
// and the command line in UTF-8; the answer is the 32-bit stop or go-on code.
constexpr std::uint32_t kLongestCommandLine = 1u << 20;
constexpr auto kClientTime = std::chrono::seconds(2);
// More waiting clients than this means a flood; the oldest is let go.
constexpr std::size_t kMostClients = 256;

void Watch(int epoll, int fd) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    ::epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &event);
}

} // namespace

GuardServer::GuardServer(int listening, Answer answer)
    : listening_(listening), epoll_(::epoll_create1(EPOLL_CLOEXEC)),
      timer_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)),
      answer_(std::move(answer)) {
    if (epoll_ < 0 || timer_ < 0) {
        ::close(epoll_);
        epoll_ = -1;
        return;
    }
    Watch(epoll_, listening_);
    Watch(epoll_, timer_);
}

GuardServer::~GuardServer() {
    for (Client& client : clients_) {
        ::close(client.fd);
    }
    ::close(timer_);
    ::close(epoll_);
    ::close(listening_);
}

void GuardServer::Serve() {
    std::uint64_t expirations = 0;
    while (::read(timer_, &expirations, sizeof expirations) > 0) {
    }
    Accept();
    // Answering runs the program's own handler, so the list is walked by hand, not by an
    // algorithm whose predicate must not change anything.
    const auto now = std::chrono::steady_clock::now();
    for (size_t i = 0; i < clients_.size();) {
        if (Read(clients_[i]) || clients_[i].deadline <= now) {
            Drop(clients_[i]);
            clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    ArmTimer();
}

void GuardServer::Accept() {
    for (;;) {
        const int fd = ::accept4(listening_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;
        }
        // Another user's process is never answered.
        std::uint32_t processId = 0;
        if (!PeerIsThisUser(fd, processId)) {
            ::close(fd);
            continue;
        }
        if (clients_.size() >= kMostClients) {
            Drop(clients_.front());
            clients_.erase(clients_.begin());
        }
        Watch(epoll_, fd);
        clients_.push_back({fd, processId, std::chrono::steady_clock::now() + kClientTime, {}});
    }
}

bool GuardServer::Read(Client& client) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::recv(client.fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            client.received.append(buffer, static_cast<std::size_t>(got));
            continue;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;
        }
        return true; // gone before finishing, or broken
    }
    std::uint32_t length = 0;
    if (client.received.size() < sizeof length) {
        return false;
    }
    std::memcpy(&length, client.received.data(), sizeof length);
    if (length > kLongestCommandLine) {
        return true;
    }
    if (client.received.size() < sizeof length + length) {
        return false;
    }
    const std::uint32_t reply =
        answer_(client.processId, client.received.substr(sizeof length, length));
    // Four bytes into an empty socket buffer: this never waits.
    ::send(client.fd, &reply, sizeof reply, MSG_NOSIGNAL | MSG_DONTWAIT);
    return true;
}

void GuardServer::Drop(Client& client) {
    ::epoll_ctl(epoll_, EPOLL_CTL_DEL, client.fd, nullptr);
    ::close(client.fd);
}

// Wakes the event loop when the oldest waiting client runs out of time.
void GuardServer::ArmTimer() {
    itimerspec when{};
    if (!clients_.empty()) {
        const auto oldest = std::min_element(
            clients_.begin(), clients_.end(),
            [](const Client& a, const Client& b) { return a.deadline < b.deadline; });
        const auto since = oldest->deadline.time_since_epoch();
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
        when.it_value.tv_sec = seconds.count();
        when.it_value.tv_nsec =
            std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count();
    }
    ::timerfd_settime(timer_, TFD_TIMER_ABSTIME, &when, nullptr);
}

} // namespace components
