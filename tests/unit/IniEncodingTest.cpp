#include "config/IniFile.h"
#include "platform/AnsiCodePage.h"
#include "platform/TextCodec.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using config::IniFile;
using platform::TextEncoding;
using testing_support::ReadBytes;
using testing_support::TestData;
using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

constexpr const char* kUmlautPath = "C:\\Programme\\Größenänderung\\tool.exe";

class IniEncodingTest : public ::testing::TestWithParam<const char*> {};

// Every encoding keeps its bytes, mark included, across a read and a rewrite.
TEST_P(IniEncodingTest, RewriteKeepsEncodingAndBytes) {
    TestFolder folder;
    const std::string path = folder.Path("copy.ini");
    const std::string original = ReadBytes(TestData(GetParam()));
    ASSERT_FALSE(original.empty());
    WriteBytes(path, original);

    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("Buchstaben", "A", ""), kUmlautPath);
    EXPECT_EQ(ini.ReadString("Buchstaben", "PA", ""), "--grüße \"ä b\"");
    ini.WriteString("Buchstaben", "A", kUmlautPath);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(ReadBytes(path), original);
}

INSTANTIATE_TEST_SUITE_P(Files, IniEncodingTest,
                         ::testing::Values("windows-ansi.ini", "utf8-mark.ini", "utf16le-mark.ini",
                                           "utf16be-mark.ini"));

TEST(IniEncoding, UnmarkedUtf8RoundTripsByteForByte) {
    TestFolder folder;
    const std::string path = folder.Path("copy.ini");
    const std::string original = ReadBytes(TestData("utf8-unmarked.ini"));
    WriteBytes(path, original);
    IniFile ini(path);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(ReadBytes(path), original);
}

TEST(IniEncoding, CodePageThatCannotHoldTextTurnsIntoUtf8WithMark) {
    TestFolder folder;
    const std::string path = folder.Path("ansi.ini");
    WriteBytes(path, "[S]\r\nk=plain\r\n\r\n");
    IniFile ini(path);
    ASSERT_EQ(ini.Encoding(), TextEncoding::Ansi);
    ini.WriteString("S", "k", "Ωmega 日本");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF[S]\r\nk=Ωmega 日本\r\n\r\n");
    EXPECT_EQ(IniFile(path).ReadString("S", "k", ""), "Ωmega 日本");
}

TEST(IniEncoding, NewFileUsesThePlatformEncodingAndReadsBack) {
    TestFolder folder;
    const std::string path = folder.Path("new.ini");
    IniFile ini(path);
    ini.WriteString("S", "k", "Größe");
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(platform::DecodeText(ReadBytes(path)).encoding, platform::NewFileEncoding());
    EXPECT_EQ(IniFile(path).ReadString("S", "k", ""), "Größe");
}

TEST(IniEncoding, InvalidUtf8AfterMarkIsRepaired) {
    const platform::DecodedText decoded = platform::DecodeText("\xEF\xBB\xBFk=\xC3(\xFF");
    EXPECT_EQ(decoded.encoding, TextEncoding::Utf8WithMark);
    EXPECT_EQ(decoded.text, "k=\xEF\xBF\xBD(\xEF\xBF\xBD");
}

} // namespace
