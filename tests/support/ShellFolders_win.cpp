#include "support/ShellFolders_win.h"

#include "platform/WinText.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace testing_support {

const wchar_t* const kShellFolders =
    L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const wchar_t* const kUserShellFolders =
    L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t* const kMapGroups =
    L"Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";

RegistryValue::RegistryValue(const wchar_t* key, const wchar_t* name, const std::string& value)
    : key_(key), name_(name) {
    // The user's shell folders are mostly REG_EXPAND_SZ ("%USERPROFILE%\\..."): kept as they are.
    wchar_t old[MAX_PATH] = {};
    DWORD size = sizeof old;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name,
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, &type_, old,
                     &size) == ERROR_SUCCESS) {
        old_ = old;
    }
    Set(platform::Wide(value), REG_SZ);
}

RegistryValue::~RegistryValue() {
    if (old_) {
        Set(*old_, type_);
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key_, name_);
    }
}

void RegistryValue::Set(const std::wstring& value, DWORD type) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key_, name_, type, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

LinkFields ReadShellLink(const std::string& path) {
    using platform::Narrow;
    LinkFields fields;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(platform::Wide(path).c_str(), STGM_READ))) {
        wchar_t text[MAX_PATH] = {};
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
        fields.target = Narrow(text);
        link->GetArguments(text, MAX_PATH);
        fields.arguments = Narrow(text);
        link->GetDescription(text, MAX_PATH);
        fields.description = Narrow(text);
        link->GetWorkingDirectory(text, MAX_PATH);
        fields.workingDirectory = Narrow(text);
    }
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    return fields;
}

} // namespace testing_support
