// Any text as a hand-over command line: the words are the text's own pieces, in order.
#include "components/SplitCommandLine.h"
#include "fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> words = components::SplitCommandLine(text);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.empty() && i > 0) {
            fuzzing::Fail("an empty word after the first");
        }
        if (word.find('"') == std::string::npos && word.find(' ') != std::string::npos) {
            fuzzing::Fail("a blank outside quotes inside a word");
        }
        pos = text.find(word, pos);
        if (pos == std::string_view::npos) {
            fuzzing::Fail("a word that is not a piece of the text");
        }
        pos += word.size();
    }
    return 0;
}
