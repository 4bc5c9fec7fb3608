// Bytes of a text file to UTF-8 and back, keeping the encoding a file came in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class TextEncoding {
    Ansi,         // the system's 8-bit code page, no mark
    Utf8,         // UTF-8 without mark
    Utf8WithMark, // UTF-8 with byte-order mark
    Utf16LE,      // with mark
    Utf16BE,      // with mark
};

struct DecodedText {
    std::string text; // UTF-8
    TextEncoding encoding;
};

// A byte-order mark selects its encoding; unmarked bytes follow the platform's rule.
DecodedText DecodeText(std::string_view bytes);

// The bytes of text in the encoding, mark included; nothing when the code page cannot hold it.
std::optional<std::string> EncodeText(std::string_view text, TextEncoding encoding);

} // namespace platform
