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

// Read where it lies, never copied: the whole part as it stands, and of the fraction only the
// digits that a double can still tell apart.
std::optional<double> ParseVersionFile(std::string_view text) {
    const std::string_view run = text.substr(0, text.find_first_not_of("0123456789,"));
    const size_t comma = run.find(',');
    if (comma != std::string_view::npos && run.find(',', comma + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view whole = run.substr(0, comma);
    const std::string_view fraction =
        comma == std::string_view::npos ? std::string_view() : run.substr(comma + 1);
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    double number = 0;
    if (!whole.empty() &&
        std::from_chars(whole.data(), whole.data() + whole.size(), number).ec != std::errc()) {
        return std::nullopt;
    }
    constexpr size_t kTellable = 20;
    char digits[kTellable + 2] = {'0', '.'};
    const size_t kept = fraction.copy(digits + 2, kTellable);
    double part = 0;
    std::from_chars(digits, digits + 2 + kept, part);
    return number + part;
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
