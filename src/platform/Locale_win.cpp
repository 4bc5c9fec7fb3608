#include "platform/Locale.h"

#include <windows.h>

namespace platform {

char DecimalSeparator() {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) == 2 &&
        separator[0] < 0x80) {
        return static_cast<char>(separator[0]);
    }
    return '.';
}

} // namespace platform
