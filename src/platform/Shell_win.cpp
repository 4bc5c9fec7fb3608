#include "platform/Shell.h"

#include "platform/WinText.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

namespace {

bool ShellExecuteVerb(const wchar_t* verb, const std::string& file, const std::string& params,
                      const std::string& directory, Showing showing) {
    static constexpr int kShowCommands[] = {SW_SHOWNA, SW_SHOW, SW_SHOWNORMAL};
    const std::wstring wideParams = Wide(params);
    const std::wstring wideDirectory = Wide(directory);
    const HINSTANCE result = ShellExecuteW(nullptr, verb, Wide(file).c_str(), wideParams.c_str(),
                                           directory.empty() ? nullptr : wideDirectory.c_str(),
                                           kShowCommands[static_cast<int>(showing)]);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

bool ShellOpen(const std::string& file, const std::string& params, const std::string& directory,
               Showing showing) {
    return ShellExecuteVerb(L"open", file, params, directory, showing);
}

bool ShellRunAs(const std::string& file, const std::string& params, const std::string& directory) {
    return ShellExecuteVerb(L"runas", file, params, directory, Showing::Unactivated);
}

} // namespace platform
