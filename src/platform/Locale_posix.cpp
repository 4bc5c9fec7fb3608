#include "platform/Locale.h"

#include <clocale>

namespace platform {

char DecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
    return point != nullptr && point[0] != '\0' && point[1] == '\0' ? point[0] : '.';
}

} // namespace platform
