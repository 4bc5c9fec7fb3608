// Desktop-entry files (freedesktop.org): the text of an application entry, and the quoting of
// its Exec line, so that any program path starts as it is, blanks, quotes, % and $ included.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace integration {

struct DesktopEntry {
    std::string name;
    std::string comment;
    std::vector<std::string> command; // the program, then its arguments
    std::string workingDirectory;
};

// "[Desktop Entry]" with Type, Name, Comment, Exec and Path, one key a line.
std::string DesktopEntryText(const DesktopEntry& entry);

// The command as an Exec value: each word quoted where the quoting rules ask for it, % as %%,
// then escaped as a string value.
std::string ExecValue(const std::vector<std::string>& command);

// A string value with its escapes (\s, \n, \t, \r, \\) undone; nothing for an unknown one.
std::optional<std::string> UnescapedValue(std::string_view value);

// The words an Exec value stands for, read by the same rules; nothing when the value is not
// well formed (an unclosed quote, a quote inside a word, an unknown escape in quotes).
std::optional<std::vector<std::string>> ParseExecValue(std::string_view value);

} // namespace integration
