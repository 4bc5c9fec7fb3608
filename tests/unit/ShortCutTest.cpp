#include "components/ShortCut.h"

#include <gtest/gtest.h>

using components::ShortCut;
using components::ShortCutToText;
using components::TextToShortCut;

namespace {

TEST(ShortCut, KeyEventValue) {
    EXPECT_EQ(ShortCut('K', {false, true, true}), 0xC04B);
    EXPECT_EQ(ShortCut(0x74, {true, true, false}), 0x6074) << "Umsch+Strg+F5";
    EXPECT_EQ(ShortCut(256, {true, false, false}), 0);
}

TEST(ShortCut, EveryFixedKeyNameRoundTrips) {
    const std::pair<unsigned, const char*> names[] = {
        {8, "Rück"},     {9, "Tab"},     {13, "Eingabe"}, {27, "Esc"},   {32, "Leer"},
        {33, "BildAuf"}, {34, "BildAb"}, {35, "Ende"},    {36, "Pos1"},  {37, "Links"},
        {38, "Auf"},     {39, "Rechts"}, {40, "Ab"},      {45, "Einfg"}, {46, "Entf"},
        {48, "0"},       {57, "9"},      {65, "A"},       {90, "Z"},     {112, "F1"},
        {123, "F12"},    {135, "F24"}};
    for (const auto& [code, name] : names) {
        EXPECT_EQ(ShortCutToText(static_cast<std::uint16_t>(code)), name) << code;
        EXPECT_EQ(TextToShortCut(name), code) << name;
        EXPECT_EQ(ShortCutToText(static_cast<std::uint16_t>(0xE000 | code)),
                  std::string("Umsch+Strg+Alt+") + name);
    }
}

TEST(ShortCut, TextsAsStoredAndTyped) {
    EXPECT_EQ(TextToShortCut("Alt+F12"), 0x807B);
    EXPECT_EQ(TextToShortCut("ALT+F11"), 0x807A);
    EXPECT_EQ(TextToShortCut("alt+f12"), 0x807B);
    EXPECT_EQ(TextToShortCut("Strg+Alt+K"), 0xC04B);
    EXPECT_EQ(TextToShortCut("alt+STRG+k"), 0xC04B) << "prefixes in any order and case";
    EXPECT_EQ(TextToShortCut("^Umsch+entf"), 0x602E);
    EXPECT_EQ(TextToShortCut("Umsch+Strg+F5"), 0x6074);
    EXPECT_EQ(TextToShortCut("pos1"), 36);
    EXPECT_EQ(TextToShortCut("Alt+"), 0);
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(TextToShortCut("Alt+Nichts"), 0);
    EXPECT_EQ(TextToShortCut("F25"), 0);
}

// Also keys whose name looks like a prefix ("^" on a German keyboard).
TEST(ShortCut, EveryNamedKeySurvivesItsText) {
    for (unsigned code = 8; code <= 255; ++code) {
        const std::string text = ShortCutToText(static_cast<std::uint16_t>(0x8000 | code));
        if (!text.empty()) {
            EXPECT_EQ(ShortCutToText(TextToShortCut(text)), text) << code;
        }
    }
    EXPECT_EQ(TextToShortCut("^^"), TextToShortCut("Strg+^"));
}

TEST(ShortCut, KeypadDigitsShowAsDigitsAndReadAsMainKeys) {
    EXPECT_EQ(ShortCutToText(96 + 5), "5");
    EXPECT_EQ(ShortCutToText(0x8000 | (96 + 5)), "Alt+5");
    EXPECT_EQ(TextToShortCut("Alt+5"), 0x8035);
}

TEST(ShortCut, KeysWithoutNameGiveEmptyText) {
    EXPECT_EQ(ShortCutToText(0), "");
    EXPECT_EQ(ShortCutToText(0x8000), "");
    EXPECT_EQ(ShortCutToText(0xFF), "");
}

} // namespace
