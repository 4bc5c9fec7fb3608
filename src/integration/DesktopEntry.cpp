#include "integration/DesktopEntry.h"

namespace integration {

namespace {

// Characters that make an argument need quotes.
bool IsReserved(char c) {
    return std::string_view(" \t\n\r\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos;
}

// Inside quotes these four take a backslash.
bool EscapedInQuotes(char c) {
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

std::string QuotedWord(const std::string& word) {
    bool needsQuotes = word.empty();
    for (char c : word) {
        needsQuotes = needsQuotes || IsReserved(c);
    }
    std::string quoted = needsQuotes ? "\"" : "";
    for (char c : word) {
        if (needsQuotes && EscapedInQuotes(c)) {
            quoted += '\\';
        }
        quoted += c;
        if (c == '%') {
            quoted += '%';
        }
    }
    return needsQuotes ? quoted + '"' : quoted;
}

// The escapes of a string value; applied after the quoting, undone before it.
std::string EscapedValue(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::optional<std::string> UnescapedValue(std::string_view value) {
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            text += value[i];
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value[i]) {
        case '\\':
            text += '\\';
            break;
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case 'r':
            text += '\r';
            break;
        case 's':
            text += ' ';
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

std::string ExecValue(const std::vector<std::string>& command) {
    std::string line;
    for (const std::string& word : command) {
        if (!line.empty()) {
            line += ' ';
        }
        line += QuotedWord(word);
    }
    return EscapedValue(line);
}

std::optional<std::vector<std::string>> ParseExecValue(std::string_view value) {
    const std::optional<std::string> line = UnescapedValue(value);
    if (!line) {
        return std::nullopt;
    }
    std::vector<std::string> words;
    const std::string& text = *line;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const bool quoted = text[i] == '"';
        i += quoted ? 1 : 0;
        std::string word;
        bool closed = !quoted;
        while (i < text.size()) {
            const char c = text[i++];
            if (quoted && c == '"') {
                closed = true;
                break;
            }
            if (!quoted && c == ' ') {
                break;
            }
            if (quoted && c == '\\') {
                if (i == text.size() || !EscapedInQuotes(text[i])) {
                    return std::nullopt;
                }
                word += text[i++];
            } else if (c == '%' && i < text.size() && text[i] == '%') {
                word += text[i++];
            } else if (!quoted && IsReserved(c)) {
                return std::nullopt;
            } else {
                word += c;
            }
        }
        // A closing quote ends the word; what follows must be a blank.
        if (!closed || (quoted && i < text.size() && text[i] != ' ')) {
            return std::nullopt;
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string DesktopEntryText(const DesktopEntry& entry) {
    return "[Desktop Entry]\nType=Application\nName=" + EscapedValue(entry.name) +
           "\nComment=" + EscapedValue(entry.comment) + "\nExec=" + ExecValue(entry.command) +
           "\nPath=" + EscapedValue(entry.workingDirectory) + "\n";
}

} // namespace integration
