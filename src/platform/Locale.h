// The user's number format.
#pragma once

namespace platform {

// The decimal separator of the user's locale ("," under a German locale).
char DecimalSeparator();
// The thousands separator of the user's locale ("." under a German locale); '\0' for none.
char ThousandsSeparator();

// The primary language of the user's default language as Windows numbers it (7 German, 9
// English). On Linux from LC_ALL, LC_MESSAGES or LANG, the first one set: "de..." gives 7,
// "en..." 9, any other language 0.
int UserPrimaryLanguage();

} // namespace platform
