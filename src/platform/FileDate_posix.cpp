#include "platform/FileDate.h"

#include <ctime>
#include <locale.h>
#include <sys/stat.h>

namespace platform {

namespace {

std::string Formatted(const char* format, const std::tm& time, locale_t locale) {
    char text[128];
    const size_t length = strftime_l(text, sizeof text, format, &time, locale);
    return std::string(text, length);
}

} // namespace

std::string FileDateText(const std::string& path) {
    struct stat info {};
    std::tm time{};
    if (::stat(path.c_str(), &info) != 0 || localtime_r(&info.st_mtime, &time) == nullptr) {
        return {};
    }
    // The user's date format, whatever the program's own locale is.
    locale_t locale = newlocale(LC_TIME_MASK, "", nullptr);
    if (locale == nullptr) {
        locale = newlocale(LC_TIME_MASK, "C", nullptr);
    }
    std::string text = Formatted("%x", time, locale);
    if (time.tm_hour != 0 || time.tm_min != 0 || time.tm_sec != 0) {
        text += ' ' + Formatted("%X", time, locale);
    }
    freelocale(locale);
    return text;
}

} // namespace platform
