// The user's number format.
#pragma once

namespace platform {

// The decimal separator of the user's locale ("," under a German locale).
char DecimalSeparator();
// The thousands separator of the user's locale ("." under a German locale); '\0' for none.
char ThousandsSeparator();

} // namespace platform
