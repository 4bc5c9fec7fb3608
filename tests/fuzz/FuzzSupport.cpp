#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fuzzing {

namespace {

std::string MakeFolder() {
    std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    pattern += "/tippomat-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        Fail("no scratch folder");
    }
    static const std::string folder = pattern;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    return folder;
}

} // namespace

std::string ScratchPath(const std::string& name) {
    static const std::string folder = MakeFolder();
    return folder + "/" + name;
}

void WriteScratch(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        Fail("cannot write the scratch file");
    }
}

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace fuzzing
