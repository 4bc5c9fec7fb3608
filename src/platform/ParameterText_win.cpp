#include "platform/ParameterText.h"

namespace platform {

// A program's command line splits at blanks outside double quotes; a Windows path holds no
// double quote.
std::string ParameterText(const std::string& path) {
    if (path.find_first_of(" \t") == std::string::npos) {
        return path;
    }
    return '"' + path + '"';
}

} // namespace platform
