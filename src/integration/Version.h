// Version numbers of the program and of the version file on the update server.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace integration {

// The four parts of a file version: major.minor.release, build.
struct FileVersion {
    unsigned major = 0, minor = 0, release = 0, build = 0;
};

// major + minor / 100: 2.15 gives 2.15, 2.5 gives 2.05.
double FileVersionNumber(const FileVersion& version);
// "2.15.0 Build: 347".
std::string FileVersionText(const FileVersion& version);

// The running program's version: its version resource on Windows, the build's on Linux.
// Nothing when the program file carries none.
std::optional<FileVersion> RunningProgramVersion();

// The number a version file begins with: the longest leading run of digits and commas, the
// comma as decimal separator whatever the locale. Nothing for an empty run, a run without a
// digit or one with two commas.
std::optional<double> ParseVersionFile(std::string_view text);

// Equal but for the rounding of binary fractions: 2.15 read from "2,15" equals 2 + 15 / 100.
bool SameVersion(double a, double b);

// Fixed notation with two decimals and the given decimal separator: 2.15 as "2,15".
std::string FormatVersion(double number, char decimalSeparator);

// The program's word size: 32 or 64.
constexpr int kWordSizeBits = static_cast<int>(sizeof(void*) * 8);

} // namespace integration
