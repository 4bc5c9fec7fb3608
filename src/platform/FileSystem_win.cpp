#include "platform/FileSystem.h"

#include "platform/Paths.h"
#include "platform/WinText.h"

#include <windows.h>

#include <algorithm>

namespace platform {

char PathSeparator() {
    return '\\';
}
bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

  private:
    HANDLE handle_;
};

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(Wide(path).c_str());
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDirectories(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    for (size_t pos = 0;; ++pos) {
        pos = path.find_first_of("\\/", pos);
        const std::string prefix = path.substr(0, pos);
        // Drive roots ("C:") and the leading parts of network paths are not created.
        const bool creatable = !prefix.empty() && prefix.back() != ':' && prefix.size() > 2;
        if (creatable && !DirectoryExists(prefix)) {
            CreateDirectoryW(Wide(prefix).c_str(), nullptr);
        }
        if (pos == std::string::npos) {
            break;
        }
    }
    return DirectoryExists(path);
}

ReadStatus ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadStatus::Missing
                                                                              : ReadStatus::Failed;
    }
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            bytes.clear();
            return ReadStatus::Failed;
        }
        if (got == 0) {
            return ReadStatus::Ok;
        }
        bytes.append(buffer, got);
    }
}

bool ReplaceFileContent(const std::string& path, std::string_view bytes) {
    const std::wstring target = Wide(path);
    const std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written =
        WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) && file.Close();
    if (!written || !MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

std::string ProgramFilePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return Narrow(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace platform
