// The in-memory INI file: the whole file is read at construction and rewritten by UpdateFile.
// Its reading and writing rules are the file format that the Windows program shares.
#pragma once

#include "platform/TextCodec.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace config {

// A file that exists but cannot be read.
class IniFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class IniFile {
  public:
    // A missing file gives an empty object; an unreadable one throws IniFileError.
    explicit IniFile(std::string path);
    // The file's bytes as read already, without reading it again.
    IniFile(std::string path, std::string_view bytes);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    double ReadFloat(std::string_view section, std::string_view key, double fallback) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteFloat(std::string_view section, std::string_view key, double value);

    void EraseSection(std::string_view section);
    bool SectionExists(std::string_view section) const;

    // Rewrites the whole file; false when it could not be written (the old file is then kept).
    bool UpdateFile();

    // The file's text as UpdateFile writes it, before encoding.
    std::string Text() const;
    platform::TextEncoding Encoding() const { return encoding_; }
    const std::string& Path() const { return path_; }

  private:
    struct Entry {
        std::string key;   // empty for an entry without "="
        std::string value; // the whole line for an entry without "="
        bool hasValue;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, size_t> index; // case-folded key -> first entry
    };

    void Decode(std::string_view bytes);
    void Parse(std::string_view text);
    const Section* FindSection(std::string_view name) const;
    Section& SectionForWriting(std::string_view name);
    const Entry* FindEntry(std::string_view section, std::string_view key) const;

    std::string path_;
    platform::TextEncoding encoding_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_; // case-folded name -> first section
};

// General format, at most 15 significant digits, with the given decimal separator.
std::string FormatIniFloat(double value, char decimalSeparator);
bool ParseIniFloat(std::string_view text, char decimalSeparator, double& value);
// The integer part of a number, cut toward zero and held within int (0 for no number).
int IntegerPart(double value);

} // namespace config
