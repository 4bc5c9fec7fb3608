#include "platform/Locale.h"

#include <clocale>

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

} // namespace platform
