// The user's number format.
#pragma once

#include <string>

namespace platform {

// The decimal separator of the user's locale ("," under a German locale).
char DecimalSeparator();

// The thousands separator of the user's locale, UTF-8 ("." under a German locale; empty where
// the locale groups no digits).
std::string ThousandsSeparator();

} // namespace platform
