// Version numbers: the version file's text, the program's numbers and their display.
#include "integration/Version.h"

#include <gtest/gtest.h>

using integration::ParseVersionFile;

namespace {

TEST(VersionFile, TakesTheLeadingDigitsWithADecimalComma) {
    EXPECT_DOUBLE_EQ(*ParseVersionFile("2,15\r\nTippomat"), 2.15);
    EXPECT_DOUBLE_EQ(*ParseVersionFile("2.15"), 2.0) << "the point ends the run";
    EXPECT_DOUBLE_EQ(*ParseVersionFile("3"), 3.0);
}

TEST(VersionFile, AnUnreadableNumberIsNone) {
    for (const char* text : {"", "v2,15", ",", "2,1,5",
                             "\xEF\xBB\xBF"
                             "2,15"}) {
        EXPECT_FALSE(ParseVersionFile(text).has_value()) << text;
    }
}

TEST(VersionNumber, ComparesAsTheFileAndTheServerWriteIt) {
    using integration::FileVersionNumber;
    using integration::SameVersion;
    EXPECT_TRUE(SameVersion(FileVersionNumber({2, 15, 0, 0}), *ParseVersionFile("2,15")));
    EXPECT_FALSE(SameVersion(FileVersionNumber({2, 5, 0, 0}), *ParseVersionFile("2,5")));
    EXPECT_TRUE(SameVersion(FileVersionNumber({2, 5, 0, 0}), *ParseVersionFile("2,05")));
    EXPECT_FALSE(SameVersion(FileVersionNumber({2, 15, 0, 0}), *ParseVersionFile("2,151")));
    EXPECT_EQ(integration::FileVersionText({2, 15, 0, 347}), "2.15.0 Build: 347");
}

TEST(VersionNumber, ShowsTwoDecimalsWithTheUsersSeparator) {
    EXPECT_EQ(integration::FormatVersion(2.15, ','), "2,15");
    EXPECT_EQ(integration::FormatVersion(1.0, '.'), "1.00");
    EXPECT_EQ(integration::FormatVersion(2.05, ','), "2,05");
}

} // namespace
