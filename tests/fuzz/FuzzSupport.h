// Shared by the fuzz targets: a private scratch folder for real files, and a failed check.
#pragma once

#include <string>
#include <string_view>

namespace fuzzing {

// A path inside the folder, which is made at first use (in /dev/shm where there is one).
std::string ScratchPath(const std::string& name);
void WriteScratch(const std::string& path, std::string_view bytes);

// Ends the run with a report the fuzzer records as a crash.
[[noreturn]] void Fail(const char* what);

} // namespace fuzzing
