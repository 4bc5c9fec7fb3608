// Files and folders as the configuration store and the launcher need them.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Both follow symbolic links; FileExists is false for a folder.
bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path);

// Creates the folder with all missing parents; new folders are private to the user.
bool CreateDirectories(const std::string& path);

enum class ReadStatus { Ok, Missing, Failed };
ReadStatus ReadWholeFile(const std::string& path, std::string& bytes);

// Who may read a file written by ReplaceFileContent (on Linux; Windows files keep the folder's
// rights).
enum class FileAccess {
    Private, // the user alone (0600)
    Shared,  // everyone may read (0644)
};

// Writes a temporary file beside path and puts it in place in one step, so that an interrupted
// write never leaves a damaged or empty file.
bool ReplaceFileContent(const std::string& path, std::string_view bytes,
                        FileAccess access = FileAccess::Private);

// Replaces to in one step, as ReplaceFileContent does.
bool CopyFileOver(const std::string& from, const std::string& to);

// The full path of the running program file.
std::string ProgramFilePath();
// Its folder, with the separator at the end: where the help files lie.
std::string ProgramFolder();

} // namespace platform
