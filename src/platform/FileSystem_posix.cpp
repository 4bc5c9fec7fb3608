#include "platform/FileSystem.h"

#include "platform/Paths.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

char PathSeparator() {
    return '/';
}
bool IsPathSeparator(char c) {
    return c == '/';
}

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names: a symbolic link is followed (also a dangling one), so that a
// save replaces the linked file in its own folder instead of turning the link into a file.
std::string FinalTarget(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        std::vector<char> buffer(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) {
            return path;
        }
        std::string target(buffer.data(), static_cast<size_t>(length));
        if (target[0] != '/') {
            target = FolderOf(path) + '/' + target;
        }
        path = std::move(target);
    }
    return path;
}

// Without this the new name may be lost at a power cut although the file's bytes are on disk.
// Some file systems (FUSE, network mounts) cannot sync a folder; the file is in place all the
// same, so that is no failed save.
bool SyncFolder(const std::string& folder) {
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return directory.get() >= 0 &&
           (::fsync(directory.get()) == 0 || errno == EINVAL || errno == ENOTSUP);
}

// A file the user protected by taking away every write permission (even root's saves must not
// replace it) or one this process may not write.
bool IsProtected(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

} // namespace

bool DirectoryExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool CreateDirectories(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    for (size_t pos = path.find('/', 1);; pos = path.find('/', pos + 1)) {
        const std::string prefix = path.substr(0, pos);
        if (!prefix.empty() && !DirectoryExists(prefix) && ::mkdir(prefix.c_str(), 0700) != 0 &&
            errno != EEXIST) {
            return false;
        }
        if (pos == std::string::npos) {
            break;
        }
    }
    return DirectoryExists(path);
}

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got == 0) {
            return ReadStatus::Ok;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            bytes.clear();
            return ReadStatus::Failed;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

bool ReplaceFileContent(const std::string& path, std::string_view bytes, FileAccess access) {
    const std::string target = FinalTarget(path);
    if (IsProtected(target)) {
        return false;
    }
    std::string temporary = target + ".XXXXXX";
    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        return false;
    }
    const bool written = (access == FileAccess::Private || ::fchmod(file.get(), 0644) == 0) &&
                         WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.Close();
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Not confirmed until the new name is on disk as well.
    return SyncFolder(FolderOf(target));
}

std::string ProgramFilePath() {
    std::vector<char> buffer(PATH_MAX);
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

} // namespace platform
