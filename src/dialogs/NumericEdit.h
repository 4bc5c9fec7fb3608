// The numeric edit's number: any text may be typed; the number follows the user's number format.
#pragma once

#include <string>
#include <string_view>

namespace dialogs {

struct NumberFormat {
    char decimalSeparator;
    std::string thousandsSeparator;
};

// The user's number format.
NumberFormat UserNumberFormat();

// The typed text without its thousands separators, read with the decimal separator; 0 when it
// is no number.
double NumericEditValue(std::string_view text, const NumberFormat& format);

// How the edit shows a number: thousands separators, no decimals, at most 8 significant digits
// (1500 shows as "1.500" under a German locale).
std::string NumericEditDisplay(double value, const NumberFormat& format);

} // namespace dialogs
