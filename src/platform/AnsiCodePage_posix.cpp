#include "platform/AnsiCodePage.h"

#include "platform/Text.h"

#include <array>

namespace platform {

namespace {

// Windows-1252 bytes 0x80-0x9F; the five unassigned bytes map to the C1 controls of the same
// number, as Windows maps them, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ByteToUnit(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : byte;
}

std::optional<char> UnitToByte(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string AnsiToUtf8(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (char c : bytes) {
        units += ByteToUnit(static_cast<unsigned char>(c));
    }
    return Utf16ToUtf8(units);
}

std::optional<std::string> Utf8ToAnsi(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : Utf8ToUtf16(text)) {
        const auto byte = UnitToByte(unit);
        if (!byte) {
            return std::nullopt;
        }
        out += *byte;
    }
    return out;
}

// Pure ASCII counts as the code page, so that a file from Windows stays readable there once
// umlauts are added; other valid UTF-8 is taken as UTF-8.
TextEncoding UnmarkedEncoding(std::string_view bytes) {
    if (!IsAscii(bytes) && IsValidUtf8(bytes)) {
        return TextEncoding::Utf8;
    }
    return TextEncoding::Ansi;
}

TextEncoding NewFileEncoding() {
    return TextEncoding::Utf8WithMark;
}

} // namespace platform
