#include "config/OwnWrites.h"

#include <map>

namespace config {

namespace {

// Only the user-interface thread writes and asks.
std::map<std::string, std::string, std::less<>>& LastWritten() {
    static std::map<std::string, std::string, std::less<>> written;
    return written;
}

} // namespace

void NoteOwnWrite(const std::string& path, std::string_view bytes) {
    LastWritten()[path] = std::string(bytes);
}

bool IsOwnWrite(const std::string& path, std::string_view bytes) {
    const auto found = LastWritten().find(path);
    return found != LastWritten().end() && found->second == bytes;
}

} // namespace config
