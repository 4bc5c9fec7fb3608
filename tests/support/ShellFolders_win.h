// Shell folders of the current user's registry, set by a test and put back afterwards, and
// shell links read back.
#pragma once

#include <optional>
#include <string>

namespace testing_support {

extern const wchar_t* const kShellFolders;
extern const wchar_t* const kUserShellFolders;
extern const wchar_t* const kMapGroups;

// Sets a value of the current user's registry and puts the old one back afterwards.
class RegistryValue {
  public:
    RegistryValue(const wchar_t* key, const wchar_t* name, const std::string& value);
    ~RegistryValue();
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;

  private:
    void Set(const std::wstring& value, unsigned long type);
    const wchar_t* key_;
    const wchar_t* name_;
    std::optional<std::wstring> old_;
    unsigned long type_ = 0;
};

// The shell writes its own folders (from "User Shell Folders") into "Shell Folders" as it
// resolves them, so a test folder goes into both.
struct ShellFolder {
    ShellFolder(const wchar_t* name, const std::string& folder)
        : user(kUserShellFolders, name, folder), cached(kShellFolders, name, folder) {}
    RegistryValue user, cached;
};

struct LinkFields {
    std::string target, arguments, description, workingDirectory;
};

// The fields of a shell link file, read through IShellLinkW; empty when it cannot be loaded.
LinkFields ReadShellLink(const std::string& path);

} // namespace testing_support
