#include "platform/Locale.h"

#include <clocale>
#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

// A separator of one byte; a longer one (a narrow no-break space in UTF-8) is none here.
char SingleByte(const char* separator, char fallback) {
    return separator != nullptr && separator[0] != '\0' && separator[1] == '\0' ? separator[0]
                                                                                : fallback;
}

} // namespace

char DecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    return SingleByte(conventions != nullptr ? conventions->decimal_point : nullptr, '.');
}

char ThousandsSeparator() {
    const std::lconv* conventions = std::localeconv();
    return SingleByte(conventions != nullptr ? conventions->thousands_sep : nullptr, '\0');
}

int UserPrimaryLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || value[0] == '\0') {
            continue;
        }
        const std::string_view locale(value);
        const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
        return language == "de" ? 0x07 : language == "en" ? 0x09 : 0;
    }
    return 0;
}

} // namespace platform
