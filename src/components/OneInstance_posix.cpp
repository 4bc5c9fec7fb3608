#include "components/OneInstance.h"

#include "components/SplitCommandLine.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <type_traits>
#include <unistd.h>

namespace components {

namespace {

// The hand-over: process id and length (native byte order, both ends run on this machine),
// then the command line in UTF-8; the answer is the 32-bit stop or go-on code.
struct HandOverHeader {
    std::uint32_t processId;
    std::uint32_t length;
};

constexpr std::uint32_t kLongestCommandLine = 1u << 20;
constexpr int kClientWaitSeconds = 10;
constexpr int kServerWaitSeconds = 2;

struct Guard {
    int listening = -1;
    std::string socketPath;
};

Guard& TheGuard() {
    static Guard guard;
    return guard;
}

bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// The user's runtime folder, or a private folder in /tmp where the session has none.
std::string RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && runtime[0] == '/' && IsPrivateFolder(runtime)) {
        return runtime;
    }
    const std::string fallback = "/tmp/tippomat-" + std::to_string(::getuid());
    ::mkdir(fallback.c_str(), 0700);
    return IsPrivateFolder(fallback) ? fallback : std::string();
}

// The guard name holds a whole path, which a socket file name cannot: it is hashed (FNV-1a).
std::string SocketPath() {
    const std::string folder = RuntimeFolder();
    if (folder.empty()) {
        return {};
    }
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : GuardWindowClassName()) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    char name[40];
    std::snprintf(name, sizeof name, "/OneInstUtilWnd-%016llx",
                  static_cast<unsigned long long>(hash));
    return folder + name;
}

bool MakeAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

void SetTimeouts(int fd, int seconds) {
    const timeval limit{seconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
}

// Runs a socket operation, which may move fewer bytes than asked, until size bytes are moved;
// false at an error or the end of the stream.
template <typename Operation> bool TransferAll(size_t size, Operation operation) {
    size_t done = 0;
    while (done < size) {
        const ssize_t moved = operation(done, size - done);
        if (moved <= 0) {
            if (moved < 0 && errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(moved);
    }
    return true;
}

bool SendAll(int fd, const void* data, size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    return TransferAll(size, [&](size_t done, size_t left) {
        return ::send(fd, bytes + done, left, MSG_NOSIGNAL);
    });
}

bool ReceiveAll(int fd, void* data, size_t size) {
    auto* bytes = static_cast<char*>(data);
    return TransferAll(size,
                       [&](size_t done, size_t left) { return ::recv(fd, bytes + done, left, 0); });
}

int ConnectTo(const std::string& path) {
    sockaddr_un address;
    if (!MakeAddress(path, address)) {
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The words of this process's command line, joined as one line.
std::string OwnCommandLine() {
    std::string raw;
    platform::ReadWholeFile("/proc/self/cmdline", raw);
    std::vector<std::string> words;
    size_t start = 0;
    while (start < raw.size()) {
        const size_t end = raw.find('\0', start);
        words.push_back(raw.substr(start, end == std::string::npos ? end : end - start));
        start = end == std::string::npos ? raw.size() : end + 1;
    }
    return JoinCommandLine(words);
}

int Listen(const std::string& path) {
    sockaddr_un address;
    if (!MakeAddress(path, address)) {
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return -1;
    }
    auto bind = [&] { return ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address); };
    if (bind() != 0 && errno == EADDRINUSE) {
        // Left by a copy that crashed, unless a copy answers there.
        const int running = ConnectTo(path);
        if (running >= 0) {
            ::close(running);
            ::close(fd);
            return -1;
        }
        ::unlink(path.c_str());
        if (bind() != 0) {
            ::close(fd);
            return -1;
        }
    }
    if (::listen(fd, 8) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::string GuardWindowClassName() {
    return "OneInstUtilWnd:" + platform::ProgramFilePath();
}

std::uint32_t NotifyFirstInstance() {
    const int fd = ConnectTo(SocketPath());
    if (fd < 0) {
        return 0;
    }
    std::uint32_t answer = 0;
    if (PeerIsThisUser(fd)) {
        SetTimeouts(fd, kClientWaitSeconds);
        const std::string commandLine = OwnCommandLine();
        const HandOverHeader header{static_cast<std::uint32_t>(::getpid()),
                                    static_cast<std::uint32_t>(commandLine.size())};
        if (!SendAll(fd, &header, sizeof header) ||
            !SendAll(fd, commandLine.data(), commandLine.size()) ||
            !ReceiveAll(fd, &answer, sizeof answer)) {
            answer = 0;
        }
    }
    ::close(fd);
    return answer;
}

bool OneInstanceStartup() {
    if (NotifyFirstInstance() == kReplyStop) {
        return false;
    }
    Guard& guard = TheGuard();
    guard.socketPath = SocketPath();
    guard.listening = Listen(guard.socketPath);
    return true;
}

void OneInstanceShutdown() {
    Guard& guard = TheGuard();
    if (guard.listening >= 0) {
        ::close(guard.listening);
        ::unlink(guard.socketPath.c_str());
        guard.listening = -1;
    }
}

int GuardDescriptor() {
    return TheGuard().listening;
}

void ServeGuard() {
    const int fd = ::accept4(TheGuard().listening, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        return;
    }
    // Another user's process is never answered.
    HandOverHeader header{};
    if (PeerIsThisUser(fd)) {
        SetTimeouts(fd, kServerWaitSeconds);
        if (ReceiveAll(fd, &header, sizeof header) && header.length <= kLongestCommandLine) {
            std::string commandLine(header.length, '\0');
            if (ReceiveAll(fd, commandLine.data(), commandLine.size())) {
                const std::uint32_t answer = detail::AnswerHandOver(header.processId, commandLine);
                SendAll(fd, &answer, sizeof answer);
            }
        }
    }
    ::close(fd);
}

} // namespace components
