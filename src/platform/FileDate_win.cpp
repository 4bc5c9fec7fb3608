#include "platform/FileDate.h"

#include "platform/WinText.h"

#include <windows.h>

namespace platform {

std::string FileDateText(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    FILETIME local{};
    SYSTEMTIME time{};
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data) ||
        !FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
        !FileTimeToSystemTime(&local, &time)) {
        return {};
    }
    wchar_t date[128] = {};
    wchar_t clock[128] = {};
    if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, 128) == 0) {
        return {};
    }
    std::wstring text = date;
    if ((time.wHour != 0 || time.wMinute != 0 || time.wSecond != 0) &&
        GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, 128) != 0) {
        text += L' ';
        text += clock;
    }
    return Narrow(text);
}

} // namespace platform
