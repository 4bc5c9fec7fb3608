#include "platform/VersionInfo.h"

#include "platform/WinText.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace platform {

std::optional<VersionStrings> ReadVersionStrings(const std::string& file) {
    const std::wstring path = Wide(file);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) {
        return std::nullopt;
    }
    VersionStrings strings;
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation)) {
        return strings;
    }
    wchar_t query[64];
    std::swprintf(query, 64, L"\\StringFileInfo\\%04x%04x\\ProductName", translations[0].language,
                  translations[0].codePage);
    wchar_t* value = nullptr;
    if (VerQueryValueW(data.data(), query, reinterpret_cast<void**>(&value), &length) &&
        value != nullptr && length > 0) {
        strings.productName = Narrow(std::wstring_view(value, wcsnlen(value, length)));
    }
    return strings;
}

} // namespace platform
