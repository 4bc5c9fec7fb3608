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

// Opens whatever a path finally names, through symbolic links, for asking about it only.
FileHandle OpenForQuery(const std::wstring& path) {
    return FileHandle(CreateFileW(path.c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The attributes of what the path names; a symbolic link counts as what it points to, so a
// dangling one names nothing.
DWORD Attributes(const std::string& path) {
    if (path.empty()) {
        return INVALID_FILE_ATTRIBUTES;
    }
    const std::wstring wide = Wide(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return attributes;
    }
    const FileHandle target = OpenForQuery(wide);
    BY_HANDLE_FILE_INFORMATION info{};
    return target.get() != INVALID_HANDLE_VALUE && GetFileInformationByHandle(target.get(), &info)
               ? info.dwFileAttributes
               : INVALID_FILE_ATTRIBUTES;
}

// The file a save replaces: the target of a symbolic link, so that the link stays a link.
std::wstring FinalTarget(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return path;
    }
    const FileHandle target = OpenForQuery(path);
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            target.get() == INVALID_HANDLE_VALUE
                ? 0
                : GetFinalPathNameByHandleW(target.get(), final.data(),
                                            static_cast<DWORD>(final.size()), VOLUME_NAME_DOS);
        if (length == 0) {
            return path;
        }
        if (length < final.size()) {
            final.resize(length);
            break;
        }
        final.resize(length);
    }
    // "\\?\C:\x" and "\\?\UNC\server\share\x" back to the forms the program uses.
    if (final.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        return L"\\\\" + final.substr(8);
    }
    return final.rfind(L"\\\\?\\", 0) == 0 ? final.substr(4) : final;
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

bool ReplaceFileContent(const std::string& path, std::string_view bytes, FileAccess) {
    const std::wstring target = FinalTarget(Wide(path));
    const DWORD old = GetFileAttributesW(target.c_str());
    // A file the user made read-only is not replaced behind their back.
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    // The new file keeps what the user set on the old one (hidden, for example).
    const DWORD kept = old == INVALID_FILE_ATTRIBUTES
                           ? FILE_ATTRIBUTE_NORMAL
                           : (old & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED)) |
                                 FILE_ATTRIBUTE_NORMAL;
    const std::wstring temporary = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, kept, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return false;
    }
    // Flushed before the replace, and the replace written through: a power cut leaves either
    // the old or the new file.
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
