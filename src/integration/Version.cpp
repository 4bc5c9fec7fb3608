#include "integration/Version.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace integration {

double FileVersionNumber(const FileVersion& version) {
    return version.major + version.minor / 100.0;
}

std::string FileVersionText(const FileVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.release) + " Build: " + std::to_string(version.build);
}

std::optional<double> ParseVersionFile(std::string_view text) {
    std::string run;
    bool digit = false;
    bool comma = false;
    for (char c : text) {
        if (c == ',') {
            if (comma) {
                return std::nullopt;
            }
            comma = true;
            run += '.';
        } else if (c >= '0' && c <= '9') {
            digit = true;
            run += c;
        } else {
            break;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    double number = 0;
    const auto [end, error] =
        std::from_chars(run.data(), run.data() + run.size(), number, std::chars_format::fixed);
    if (error != std::errc() || end != run.data() + run.size() || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

bool SameVersion(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::fmax(1.0, std::fabs(a));
}

std::string FormatVersion(double number, char decimalSeparator) {
    const int length = std::snprintf(nullptr, 0, "%.2f", number);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1);
    std::snprintf(text.data(), text.size(), "%.2f", number);
    std::string result(text.data());
    // Whatever separator the C library's locale put there.
    for (char& c : result) {
        if ((c < '0' || c > '9') && c != '-') {
            c = decimalSeparator;
        }
    }
    return result;
}

} // namespace integration
