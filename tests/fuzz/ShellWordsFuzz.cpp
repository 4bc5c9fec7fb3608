// Any text as a parameter text on Linux: without quotes or backslashes the words are exactly
// the runs between blanks; with them, never more characters than the text has.
#include "fuzz/FuzzSupport.h"
#include "platform/ShellWords.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

std::vector<std::string> PlainWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> words = platform::SplitShellWords(text);
    std::size_t total = 0;
    for (const std::string& word : words) {
        total += word.size();
    }
    if (total > text.size()) {
        fuzzing::Fail("more characters than the text has");
    }
    if (text.find_first_of("'\"\\") == std::string_view::npos && words != PlainWords(text)) {
        fuzzing::Fail("plain words split differently");
    }
    return 0;
}
