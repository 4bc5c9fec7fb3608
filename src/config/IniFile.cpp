#include "config/IniFile.h"

#include "config/OwnWrites.h"
#include "platform/AnsiCodePage.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace config {

using platform::CaseFolded;
using platform::Trim;

namespace {

// Integer forms of the INI format: decimal, "$" + hex, "0x" + hex. False when not a number.
bool ParseIniInteger(std::string_view text, int& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return false;
    }
    // Hexadecimal covers the whole 32 bits (colour values such as $FF000001 read as negative).
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    if (magnitude > limit) {
        return false;
    }
    const auto bits = static_cast<std::uint32_t>(magnitude);
    value = static_cast<int>(negative ? 0u - bits : bits);
    return true;
}

} // namespace

IniFile::IniFile(std::string path)
    : path_(std::move(path)), encoding_(platform::NewFileEncoding()) {
    std::string bytes;
    switch (platform::ReadWholeFile(path_, bytes)) {
    case platform::ReadStatus::Missing:
        return;
    case platform::ReadStatus::Failed:
        throw IniFileError("Die Datei " + path_ + " kann nicht gelesen werden.");
    case platform::ReadStatus::Ok:
        break;
    }
    Decode(bytes);
}

IniFile::IniFile(std::string path, std::string_view bytes) : path_(std::move(path)) {
    Decode(bytes);
}

void IniFile::Decode(std::string_view bytes) {
    platform::DecodedText decoded = platform::DecodeText(bytes);
    encoding_ = decoded.encoding;
    Parse(decoded.text);
}

void IniFile::Parse(std::string_view text) {
    Section* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find_first_of("\r\n", pos);
        const std::string_view raw =
            text.substr(pos, end == std::string_view::npos ? end : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (end != std::string_view::npos && text[end] == '\r' && pos < text.size() &&
            text[pos] == '\n') {
            ++pos;
        }
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            // A repeated section stays a section of its own; lookups find the first.
            const std::string name = Trim(std::string_view(line).substr(1, line.size() - 2));
            sectionIndex_.emplace(CaseFolded(name), sections_.size());
            current = &sections_.emplace_back(Section{name, {}, {}});
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            current->entries.push_back({std::string(), line, false});
            continue;
        }
        Entry entry{Trim(std::string_view(line).substr(0, equals)),
                    Trim(std::string_view(line).substr(equals + 1)), true};
        current->index.emplace(CaseFolded(entry.key), current->entries.size());
        current->entries.push_back(std::move(entry));
    }
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    const auto found = sectionIndex_.find(CaseFolded(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section& IniFile::SectionForWriting(std::string_view name) {
    const auto [found, added] = sectionIndex_.emplace(CaseFolded(name), sections_.size());
    if (added) {
        sections_.push_back({std::string(name), {}, {}});
    }
    return sections_[found->second];
}

const IniFile::Entry* IniFile::FindEntry(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return nullptr;
    }
    const auto entry = found->index.find(CaseFolded(key));
    return entry == found->index.end() ? nullptr : &found->entries[entry->second];
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const Entry* entry = FindEntry(section, key);
    return entry == nullptr ? std::string(fallback) : entry->value;
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const Entry* entry = FindEntry(section, key);
    int value = 0;
    return entry != nullptr && ParseIniInteger(entry->value, value) ? value : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
    const Entry* entry = FindEntry(section, key);
    double value = 0;
    return entry != nullptr && ParseIniFloat(entry->value, platform::DecimalSeparator(), value)
               ? value
               : fallback;
}

// A line break in a value would end its line and start another entry when read back (a path may
// hold one on Linux), so it is written as a blank.
void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string oneLine(value);
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    Section& target = SectionForWriting(section);
    const auto [found, added] = target.index.emplace(CaseFolded(key), target.entries.size());
    if (added) {
        target.entries.push_back({std::string(key), std::move(oneLine), true});
        return;
    }
    Entry& entry = target.entries[found->second];
    entry.key = key;
    entry.value = std::move(oneLine);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
    WriteString(section, key, FormatIniFloat(value, platform::DecimalSeparator()));
}

// Every section of that name goes, so that a repeated one cannot shadow what is written next.
void IniFile::EraseSection(std::string_view section) {
    const std::string folded = CaseFolded(section);
    if (sectionIndex_.count(folded) == 0) {
        return;
    }
    sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                   [&](const Section& s) { return CaseFolded(s.name) == folded; }),
                    sections_.end());
    sectionIndex_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) {
        sectionIndex_.emplace(CaseFolded(sections_[i].name), i);
    }
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::string IniFile::Text() const {
    std::string text;
    for (const Section& section : sections_) {
        text += '[' + section.name + "]\r\n";
        for (const Entry& entry : section.entries) {
            text += entry.hasValue ? entry.key + '=' + entry.value : entry.value;
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

bool IniFile::UpdateFile() {
    const std::string text = Text();
    std::optional<std::string> bytes = platform::EncodeText(text, encoding_);
    // The code page cannot hold the text, or its bytes happen to form UTF-8 and would be read
    // back as other characters: UTF-8 with a mark keeps every character.
    if (!bytes || (encoding_ == platform::TextEncoding::Ansi &&
                   platform::UnmarkedEncoding(*bytes) != platform::TextEncoding::Ansi)) {
        encoding_ = platform::TextEncoding::Utf8WithMark;
        bytes = platform::EncodeText(text, encoding_);
    }
    if (!platform::ReplaceFileContent(path_, *bytes)) {
        return false;
    }
    NoteOwnWrite(path_, *bytes);
    return true;
}

std::string FormatIniFloat(double value, char decimalSeparator) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // "1.5e+20" becomes "1,5E20", the form the Windows program writes.
    const size_t exponent = text.find('e');
    if (exponent != std::string::npos) {
        std::string digits = text.substr(exponent + 1);
        const bool negative = digits[0] == '-';
        digits.erase(0, digits.find_first_not_of("+-0"));
        text = text.substr(0, exponent) + 'E' + (negative ? "-" : "") + digits;
    }
    for (char& c : text) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
}

bool ParseIniFloat(std::string_view text, char decimalSeparator, double& value) {
    std::string normalized;
    for (char c : text) {
        if (c == '.' && decimalSeparator != '.') {
            return false;
        }
        normalized += c == decimalSeparator ? '.' : c;
    }
    std::string_view digits = normalized;
    if (!digits.empty() && digits[0] == '+') {
        digits.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return !digits.empty() && error == std::errc() && end == digits.data() + digits.size() &&
           std::isfinite(value);
}

int IntegerPart(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::trunc(value),
                                       static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

} // namespace config
