#include "components/ShortCut.h"

#include "platform/KeyName.h"
#include "platform/Text.h"

namespace components {

namespace {

struct FixedName {
    unsigned code;
    const char* name;
};

constexpr FixedName kFixedNames[] = {
    {8, "Rück"},     {9, "Tab"},     {13, "Eingabe"}, {27, "Esc"},   {32, "Leer"},
    {33, "BildAuf"}, {34, "BildAb"}, {35, "Ende"},    {36, "Pos1"},  {37, "Links"},
    {38, "Auf"},     {39, "Rechts"}, {40, "Ab"},      {45, "Einfg"}, {46, "Entf"},
};

struct Prefix {
    std::string_view text;
    ShortcutValue bit;
};

constexpr Prefix kPrefixes[] = {{"Umsch+", kShortcutShift},
                                {"Strg+", kShortcutCtrl},
                                {"^", kShortcutCtrl},
                                {"Alt+", kShortcutAlt}};

std::string KeyName(unsigned code) {
    for (const FixedName& fixed : kFixedNames) {
        if (fixed.code == code) {
            return fixed.name;
        }
    }
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 96 && code <= 105) {
        return std::string(1, static_cast<char>('0' + code - 96)); // numeric keypad
    }
    if (code >= 112 && code <= 135) {
        return "F" + std::to_string(code - 111);
    }
    return platform::KeyNameText(static_cast<std::uint8_t>(code));
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           platform::SameText(text.substr(0, prefix.size()), prefix);
}

} // namespace

ShortcutValue ShortCut(unsigned virtualKey, ShiftState shift) {
    if (virtualKey > 255) {
        return 0;
    }
    return static_cast<ShortcutValue>(virtualKey | (shift.shift ? kShortcutShift : 0) |
                                      (shift.ctrl ? kShortcutCtrl : 0) |
                                      (shift.alt ? kShortcutAlt : 0));
}

std::string ShortCutToText(ShortcutValue value) {
    const std::string name = KeyName(value & 0xFF);
    if (name.empty()) {
        return {};
    }
    std::string text;
    if (value & kShortcutShift) {
        text += "Umsch+";
    }
    if (value & kShortcutCtrl) {
        text += "Strg+";
    }
    if (value & kShortcutAlt) {
        text += "Alt+";
    }
    return text + name;
}

ShortcutValue TextToShortCut(std::string_view text) {
    ShortcutValue bits = 0;
    for (bool found = true; found;) {
        found = false;
        for (const Prefix& prefix : kPrefixes) {
            // Only with a key after it: "Alt+^" is Alt with the key named "^".
            if (text.size() > prefix.text.size() && StartsWithText(text, prefix.text)) {
                bits |= prefix.bit;
                text.remove_prefix(prefix.text.size());
                found = true;
            }
        }
    }
    if (text.empty()) {
        return 0;
    }
    for (unsigned code = 8; code <= 255; ++code) {
        const std::string name = KeyName(code);
        if (!name.empty() && platform::SameText(name, text)) {
            return static_cast<ShortcutValue>(code | bits);
        }
    }
    return 0;
}

} // namespace components
