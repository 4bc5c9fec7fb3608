#include "components/OneInstance.h"

#include "components/GuardServer_posix.h"
#include "components/GuardSocket_posix.h"
#include "components/SplitCommandLine.h"
#include "platform/FileSystem.h"
#include "platform/UserFolders_posix.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace components {

namespace {

// How long a new copy waits for the running one, connecting included.
constexpr auto kClientTime = std::chrono::seconds(10);
// A copy allowed to run beside another serves at the next free place; a new copy asks each
// place in turn, so it finds whichever copy runs.
constexpr int kGuardPlaces = 8;

struct Guard {
    std::string socketPath;
    int lock = -1; // held for the copy's whole run: no other copy touches the socket then
    dev_t device = 0;
    ino_t inode = 0;
    std::unique_ptr<GuardServer> server;
};

Guard& TheGuard() {
    static Guard guard;
    return guard;
}

// A folder of this user's that nobody else can write into; created private where missing.
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// The user's runtime folder; without one, a folder in the user's own cache folder, which
// another user cannot create first (a shared folder such as /tmp would let them).
std::string RuntimeFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && runtime[0] == '/' && IsPrivateFolder(runtime)) {
        return runtime;
    }
    const std::string cache = platform::CacheHome();
    if (cache.empty()) {
        return {};
    }
    const std::string folder = cache + "/tippomat";
    platform::CreateDirectories(folder);
    return IsPrivateFolder(folder) ? folder : std::string();
}

// The guard name holds a whole path, which a socket file name cannot: it is hashed.
// Empty where there is no private folder for it.
std::string GuardSocketPath() {
    const std::string folder = RuntimeFolder();
    return folder.empty() ? std::string() : folder + "/" + detail::HashedGuardName();
}

// Place 0 is the guard's own path; the places of copies beside it carry their number.
std::string AtPlace(const std::string& guardPath, int place) {
    return place > 0 ? guardPath + "-" + std::to_string(place) : guardPath;
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

enum class Listening { Serving, HeldByAnotherCopy, Failed };

// Takes the socket path for this copy. The lock beside it is held by every copy that serves
// there, so a socket found without the lock held was left by a copy that crashed.
Listening Listen(Guard& guard, const std::string& guardPath, int place) {
    if (guardPath.empty()) {
        return Listening::Failed;
    }
    guard.socketPath = AtPlace(guardPath, place);
    const std::string lockPath = guard.socketPath + ".lock";
    guard.lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (guard.lock < 0) {
        return Listening::Failed;
    }
    if (::flock(guard.lock, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(guard.lock);
        guard.lock = -1;
        return held ? Listening::HeldByAnotherCopy : Listening::Failed;
    }
    ::unlink(guard.socketPath.c_str());
    const int listening = ListenAt(guard.socketPath);
    struct stat info {};
    if (listening < 0 || ::stat(guard.socketPath.c_str(), &info) != 0) {
        if (listening >= 0) {
            ::close(listening);
        }
        return Listening::Failed;
    }
    guard.device = info.st_dev;
    guard.inode = info.st_ino;
    guard.server = std::make_unique<GuardServer>(listening, detail::AnswerHandOver);
    return guard.server->Descriptor() >= 0 ? Listening::Serving : Listening::Failed;
}

// A copy that the running one lets run serves at the first place no other copy holds.
Listening ListenBeside(Guard& guard, const std::string& guardPath) {
    for (int place = 0; place < kGuardPlaces; ++place) {
        const Listening listening = Listen(guard, guardPath, place);
        if (listening != Listening::HeldByAnotherCopy) {
            return listening;
        }
    }
    return Listening::Failed;
}

// Only the socket this copy bound goes, never one that has replaced it.
void RemoveOwnSocket(const Guard& guard) {
    struct stat info {};
    if (::stat(guard.socketPath.c_str(), &info) == 0 && info.st_dev == guard.device &&
        info.st_ino == guard.inode) {
        ::unlink(guard.socketPath.c_str());
    }
}

// Only places with a socket file are connected to: each attempt takes a socket of its own.
std::uint32_t AskRunningCopy(const std::string& guardPath) {
    const Deadline deadline = std::chrono::steady_clock::now() + kClientTime;
    int fd = -1;
    for (int place = 0; place < kGuardPlaces && fd < 0 && !guardPath.empty(); ++place) {
        const std::string path = AtPlace(guardPath, place);
        if (::access(path.c_str(), F_OK) == 0) {
            fd = ConnectBefore(path, deadline);
        }
    }
    if (fd < 0) {
        return 0;
    }
    const std::string commandLine = OwnCommandLine();
    const auto length = static_cast<std::uint32_t>(commandLine.size());
    std::uint32_t answer = 0;
    std::uint32_t serverId = 0;
    if (!PeerIsThisUser(fd, serverId) || !SendBefore(fd, &length, sizeof length, deadline) ||
        !SendBefore(fd, commandLine.data(), commandLine.size(), deadline) ||
        !ReceiveBefore(fd, &answer, sizeof answer, deadline)) {
        answer = 0;
    }
    ::close(fd);
    return answer;
}

} // namespace

std::string GuardWindowClassName() {
    return "OneInstUtilWnd:" + platform::ProgramFilePath();
}

std::uint32_t NotifyFirstInstance() {
    return AskRunningCopy(GuardSocketPath());
}

// Two copies started at once may both find no socket: the one that loses the lock asks the
// winner again until it answers, within the hand-over's time.
bool OneInstanceStartup() {
    const auto deadline = std::chrono::steady_clock::now() + kClientTime;
    Guard& guard = TheGuard();
    const std::string guardPath = GuardSocketPath();
    for (;;) {
        const std::uint32_t answer = AskRunningCopy(guardPath);
        if (answer == kReplyStop) {
            return false;
        }
        const Listening listening =
            answer == kReplyGoOn ? ListenBeside(guard, guardPath) : Listen(guard, guardPath, 0);
        if (listening == Listening::HeldByAnotherCopy &&
            std::chrono::steady_clock::now() < deadline) {
            ::usleep(20000);
            continue;
        }
        if (listening != Listening::Serving) {
            OneInstanceShutdown();
        }
        return true;
    }
}

void OneInstanceShutdown() {
    Guard& guard = TheGuard();
    if (guard.server) {
        RemoveOwnSocket(guard);
        guard.server.reset();
    }
    if (guard.lock >= 0) {
        ::close(guard.lock);
        guard.lock = -1;
    }
}

std::uintptr_t GuardWindow() {
    return 0;
}

int GuardDescriptor() {
    const Guard& guard = TheGuard();
    return guard.server ? guard.server->Descriptor() : -1;
}

void ServeGuard() {
    if (Guard& guard = TheGuard(); guard.server) {
        guard.server->Serve();
    }
}

} // namespace components
