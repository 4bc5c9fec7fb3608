#include "dialogs/NumericEdit.h"

#include "config/IniFile.h"
#include "platform/Locale.h"
#include "platform/Text.h"

#include <cmath>
#include <cstdio>

namespace dialogs {

NumberFormat UserNumberFormat() {
    return {platform::DecimalSeparator(), platform::ThousandsSeparator()};
}

double NumericEditValue(std::string_view text, const NumberFormat& format) {
    std::string digits(platform::Trim(text));
    if (!format.thousandsSeparator.empty()) {
        for (size_t at = digits.find(format.thousandsSeparator); at != std::string::npos;
             at = digits.find(format.thousandsSeparator, at)) {
            digits.erase(at, format.thousandsSeparator.size());
        }
    }
    double value = 0;
    return config::ParseIniFloat(digits, format.decimalSeparator, value) ? value : 0;
}

std::string NumericEditDisplay(double value, const NumberFormat& format) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.8g", value);
    std::snprintf(rounded, sizeof rounded, "%.0f", std::strtod(rounded, nullptr));
    std::string digits = rounded;
    const bool negative = digits[0] == '-';
    if (negative) {
        digits.erase(0, 1);
    }
    std::string shown;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            shown += format.thousandsSeparator;
        }
        shown += digits[i];
    }
    return negative && shown != "0" ? "-" + shown : shown;
}

} // namespace dialogs
