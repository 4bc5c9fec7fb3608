// Version numbers: the version file's text, the program's numbers and their display.
#include "integration/Version.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

using integration::ParseVersionFile;

namespace {
// The allocations of the thread that counts: a transfer's thread may still end beside it.
thread_local size_t allocations = 0;
} // namespace

void* operator new(size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, size_t) noexcept {
    std::free(memory);
}

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

// The version file is held once, as it came: reading it makes no copy of its number.
TEST(VersionFile, IsReadWhereItLies) {
    const std::string text = std::string(300, '1') + "," + std::string(3000, '5') + "\r\n";
    const size_t before = allocations;
    const std::optional<double> number = ParseVersionFile(text);
    EXPECT_EQ(allocations, before);
    ASSERT_TRUE(number.has_value());
    EXPECT_GT(*number, 1.1e299);
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
