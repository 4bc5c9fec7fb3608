#include "platform/TextCodec.h"

#include "platform/AnsiCodePage.h"
#include "platform/Text.h"

namespace platform {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEMark = "\xFF\xFE";
constexpr std::string_view kUtf16BEMark = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// An odd trailing byte cannot form a code unit and is dropped.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return Utf16ToUtf8(units);
}

std::string EncodeUtf16(std::string_view text, bool bigEndian) {
    std::string out(bigEndian ? kUtf16BEMark : kUtf16LEMark);
    for (char16_t unit : Utf8ToUtf16(text)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

// Text that is not valid UTF-8 is repaired, so a written file always is.
std::string ValidUtf8(std::string_view text) {
    return IsValidUtf8(text) ? std::string(text) : Utf16ToUtf8(Utf8ToUtf16(text));
}

} // namespace

DecodedText DecodeText(std::string_view bytes) {
    if (StartsWith(bytes, kUtf8Mark)) {
        return {ValidUtf8(bytes.substr(kUtf8Mark.size())), TextEncoding::Utf8WithMark};
    }
    if (StartsWith(bytes, kUtf16LEMark)) {
        return {DecodeUtf16(bytes.substr(2), false), TextEncoding::Utf16LE};
    }
    if (StartsWith(bytes, kUtf16BEMark)) {
        return {DecodeUtf16(bytes.substr(2), true), TextEncoding::Utf16BE};
    }
    const TextEncoding encoding = UnmarkedEncoding(bytes);
    if (encoding == TextEncoding::Ansi) {
        return {AnsiToUtf8(bytes), encoding};
    }
    return {ValidUtf8(bytes), encoding};
}

std::optional<std::string> EncodeText(std::string_view text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi:
        return Utf8ToAnsi(text);
    case TextEncoding::Utf8:
        return ValidUtf8(text);
    case TextEncoding::Utf8WithMark:
        return std::string(kUtf8Mark) + ValidUtf8(text);
    case TextEncoding::Utf16LE:
        return EncodeUtf16(text, false);
    case TextEncoding::Utf16BE:
        return EncodeUtf16(text, true);
    }
    return std::nullopt;
}

} // namespace platform
