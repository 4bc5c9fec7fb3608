// Drive texts and paths in the running platform's form: drive letters on Windows, mount points
// on Linux.
#pragma once

#include "platform/Drive.h"

#include <string>

namespace testing_support {

inline bool OnDriveLetters() {
    return !platform::DriveText("C:\\").empty();
}

// A path on the drive of the letter: C:\Tools\a.exe on Windows, /mnt/c/Tools/a.exe on Linux;
// the drive itself without rest.
inline std::string On(char letter, std::string rest = "") {
    if (OnDriveLetters()) {
        for (char& c : rest) {
            c = c == '/' ? '\\' : c;
        }
        return std::string{letter, ':'} + (rest.empty() ? "" : "\\" + rest);
    }
    const char lower = static_cast<char>(letter - 'A' + 'a');
    return std::string("/mnt/") + lower + (rest.empty() ? "" : "/" + rest);
}

} // namespace testing_support
