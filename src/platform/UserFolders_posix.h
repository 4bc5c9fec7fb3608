// The user's folders by the XDG base directory rules.
#pragma once

#include <string>

namespace platform {

// Empty when the user has none.
std::string HomeFolder();
// $XDG_CONFIG_HOME, else ~/.config; a relative setting is invalid and ignored.
std::string ConfigHome();
// $XDG_CACHE_HOME, else ~/.cache; a relative setting is invalid and ignored.
std::string CacheHome();

} // namespace platform
