// The user's number format.
#pragma once

namespace platform {

// The decimal separator of the user's locale ("," under a German locale).
char DecimalSeparator();

} // namespace platform
