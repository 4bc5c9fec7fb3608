#include "platform/Locale.h"

#include <windows.h>

namespace platform {

namespace {

char SingleByte(LCTYPE type, char fallback) {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, separator, 4) == 2 && separator[0] < 0x80) {
        return static_cast<char>(separator[0]);
    }
    return fallback;
}

} // namespace

char DecimalSeparator() {
    return SingleByte(LOCALE_SDECIMAL, '.');
}

char ThousandsSeparator() {
    return SingleByte(LOCALE_STHOUSAND, '\0');
}

int UserPrimaryLanguage() {
    return GetUserDefaultLangID() & 0x3FF;
}

} // namespace platform
