#include "integration/Installer.h"

#include "integration/Com_win.h"
#include "platform/WinText.h"

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

namespace integration {

const char* const shortcut_rules::kLinkExtension = ".lnk";

namespace {

constexpr const wchar_t* kExplorerKey = L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";

// A value of the current user's registry; empty when the key or the value is missing.
std::string UserRegistryText(const std::wstring& key, const wchar_t* value) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) !=
        ERROR_SUCCESS) {
        return {};
    }
    DWORD type = 0;
    DWORD size = 0;
    std::wstring text;
    if (RegQueryValueExW(handle, value, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0) {
        text.resize(size / sizeof(wchar_t) + 1);
        if (RegQueryValueExW(handle, value, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()),
                             &size) != ERROR_SUCCESS) {
            size = 0;
        }
        text.resize(size / sizeof(wchar_t));
        text.resize(wcsnlen(text.c_str(), text.size()));
    }
    RegCloseKey(handle);
    return platform::Narrow(text);
}

std::string ShortcutFolder(ShortcutLocation location, const std::string& subFolder) {
    const std::wstring shellFolders = std::wstring(kExplorerKey) + L"\\Shell Folders";
    switch (location) {
    case slDesktop:
        return UserRegistryText(shellFolders, L"Desktop");
    case slQuickLaunch:
        return UserRegistryText(L"Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups",
                                L"Quick Launch");
    case slSendTo:
        return UserRegistryText(shellFolders, L"SendTo");
    case slStartMenu:
        return UserRegistryText(shellFolders, L"Start Menu");
    case slFolder:
        return subFolder;
    case slStartup:
        return UserRegistryText(shellFolders, L"Startup");
    }
    return {};
}

} // namespace

bool CreateShortcut(const std::string& Target, ShortcutLocation Location,
                    const std::string& SubFolder, const std::string& WorkDir,
                    const std::string& Arguments, const std::string& Description,
                    std::string& LinkPath) {
    ComScope com;
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    if (!NewShellLink(link, file)) {
        throw InstallerError("the shell link object is not available");
    }
    link->SetPath(platform::Wide(Target).c_str());
    link->SetArguments(platform::Wide(Arguments).c_str());
    link->SetDescription(platform::Wide(Description).c_str());

    const std::string folder = ShortcutFolder(Location, SubFolder);
    if (folder.empty()) {
        return false;
    }
    LinkPath =
        shortcut_rules::LinkPath(folder, Location, SubFolder, shortcut_rules::LinkName(Target));
    link->SetWorkingDirectory(
        platform::Wide(shortcut_rules::WorkingDirectory(Target, WorkDir)).c_str());
    return SUCCEEDED(file->Save(platform::Wide(LinkPath).c_str(), FALSE));
}

} // namespace integration
