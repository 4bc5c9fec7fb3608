#include "config/IniFile.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using config::IniFile;
using testing_support::ReadBytes;
using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

class IniFileTest : public ::testing::Test {
  protected:
    IniFile Open(const std::string& bytes) {
        WriteBytes(path_, bytes);
        return IniFile(path_);
    }
    TestFolder folder_;
    std::string path_ = folder_.Path("test.ini");
};

TEST_F(IniFileTest, ReadingStripsSkipsAndKeepsEntriesWithoutValue) {
    IniFile ini = Open("orphan=dropped\r\n"
                       "  [ Haupt ]  \n"
                       "; comment\r"
                       "\r\n"
                       "\t key \t=  a = b  \r\n"
                       "loose line\n"
                       "empty=\n"
                       "key=second\n");
    EXPECT_EQ(ini.ReadString("Haupt", "key", "-"), "a = b");
    EXPECT_EQ(ini.ReadString("haupt", "KEY", "-"), "a = b") << "first match, any case";
    EXPECT_EQ(ini.ReadString("Haupt", "empty", "-"), "");
    EXPECT_EQ(ini.ReadString("Haupt", "orphan", "-"), "-");
    EXPECT_EQ(ini.ReadString("Nichts", "key", "-"), "-");
    EXPECT_EQ(ini.Text(), "[Haupt]\r\nkey=a = b\r\nloose line\r\nempty=\r\nkey=second\r\n\r\n");
}

TEST_F(IniFileTest, NumbersAndBooleans) {
    IniFile ini = Open("[N]\n"
                       "dec=-42\nhex=$FF000001\nc=0x1A\nshort=0x\nbad=12a\nempty=\n"
                       "big=2147483648\nmin=-2147483648\nb0=0\nb7=7\n");
    EXPECT_EQ(ini.ReadInteger("N", "dec", 1), -42);
    EXPECT_EQ(ini.ReadInteger("N", "hex", 1), -16777215);
    EXPECT_EQ(ini.ReadInteger("N", "c", 1), 26);
    EXPECT_EQ(ini.ReadInteger("N", "short", 1), 1);
    EXPECT_EQ(ini.ReadInteger("N", "bad", 1), 1);
    EXPECT_EQ(ini.ReadInteger("N", "empty", 1), 1);
    EXPECT_EQ(ini.ReadInteger("N", "big", 1), 1);
    EXPECT_EQ(ini.ReadInteger("N", "min", 1), -2147483647 - 1);
    EXPECT_FALSE(ini.ReadBool("N", "b0", true));
    EXPECT_TRUE(ini.ReadBool("N", "b7", false));
    EXPECT_TRUE(ini.ReadBool("N", "bad", true));

    ini.WriteInteger("N", "neu", static_cast<int>(0xFF000001u));
    ini.WriteBool("N", "flag", true);
    EXPECT_EQ(ini.ReadString("N", "neu", ""), "-16777215");
    EXPECT_EQ(ini.ReadString("N", "flag", ""), "1");
}

TEST(IniFloatTest, GeneralFormatWithLocaleSeparator) {
    EXPECT_EQ(config::FormatIniFloat(200, ','), "200");
    EXPECT_EQ(config::FormatIniFloat(12.5, ','), "12,5");
    EXPECT_EQ(config::FormatIniFloat(0.1, '.'), "0.1");
    EXPECT_EQ(config::FormatIniFloat(1.5e20, ','), "1,5E20");
    EXPECT_EQ(config::FormatIniFloat(-2e-7, '.'), "-2E-7");
    double value = 0;
    EXPECT_TRUE(config::ParseIniFloat("12,5", ',', value));
    EXPECT_DOUBLE_EQ(value, 12.5);
    EXPECT_FALSE(config::ParseIniFloat("12.5", ',', value));
    EXPECT_FALSE(config::ParseIniFloat("abc", '.', value));
    EXPECT_FALSE(config::ParseIniFloat("", '.', value));
}

TEST_F(IniFileTest, WritesInPlaceAppendsAndErases) {
    IniFile ini = Open("[A]\nx=1\ny=2\n[B]\nz=3\n");
    ini.WriteString("a", "X", "neu");
    ini.WriteString("A", "w", "4");
    ini.WriteString("C", "v", "5");
    ini.EraseSection("b");
    EXPECT_FALSE(ini.SectionExists("B"));
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(ReadBytes(path_), "[A]\r\nX=neu\r\ny=2\r\nw=4\r\n\r\n[C]\r\nv=5\r\n\r\n");
}

TEST_F(IniFileTest, LineBreakInValueAddsNoEntry) {
    IniFile ini = Open("[A]\n");
    ini.WriteString("A", "Path", "/tmp/harmless\nB=/tmp/evil\r\nC=x");
    ASSERT_TRUE(ini.UpdateFile());
    const IniFile reloaded(path_);
    EXPECT_EQ(reloaded.ReadString("A", "Path", ""), "/tmp/harmless B=/tmp/evil  C=x");
    EXPECT_EQ(reloaded.ReadString("A", "B", "-"), "-");
    EXPECT_EQ(reloaded.ReadString("A", "C", "-"), "-");
}

TEST_F(IniFileTest, RepeatedSectionIsErasedWhole) {
    IniFile ini = Open("[A]\nx=1\n[B]\n[a]\nx=2\n");
    EXPECT_EQ(ini.ReadString("A", "x", ""), "1");
    ini.EraseSection("A");
    ini.WriteString("A", "x", "3");
    EXPECT_EQ(ini.Text(), "[B]\r\n\r\n[A]\r\nx=3\r\n\r\n");
}

TEST_F(IniFileTest, DamagedFilesLoadWithoutCrash) {
    const std::string nul = "[S]\nk=a\0b\n"s;
    EXPECT_EQ(Open(nul).ReadString("S", "k", "-"), std::string("a\0b", 3));
    EXPECT_EQ(Open("[S]\nk=v").ReadString("S", "k", "-"), "v") << "no trailing newline";
    EXPECT_EQ(Open("\xEF\xBB\xBF").ReadString("S", "k", "-"), "-") << "a lone mark";
    EXPECT_EQ(Open("\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0x"s).ReadString("S", "k", "-"), "v")
        << "odd UTF-16 length";
    std::string binary;
    for (int i = 0; i < 4096; ++i) {
        binary += static_cast<char>((i * 7919) & 0xFF);
    }
    IniFile noise = Open(binary);
    EXPECT_EQ(noise.ReadString("S", "k", "-"), "-");
    const std::string longLine = "[S]\nk=" + std::string(10 * 1024 * 1024, 'x') + "\nj=1\n";
    IniFile big = Open(longLine);
    EXPECT_EQ(big.ReadString("S", "k", "").size(), 10u * 1024 * 1024);
    EXPECT_EQ(big.ReadInteger("S", "j", 0), 1);
}

TEST_F(IniFileTest, MissingFileIsEmptyAndUnwritableFolderKeepsFile) {
    EXPECT_FALSE(IniFile(folder_.Path("none.ini")).SectionExists("S"));
    IniFile ini(folder_.Path("no-such-folder/x.ini"));
    ini.WriteString("S", "k", "v");
    EXPECT_FALSE(ini.UpdateFile());
}

TEST_F(IniFileTest, UnreadableFileThrows) {
    // A folder where the file should be cannot be read as a file on any platform.
    EXPECT_THROW(IniFile{folder_.Path()}, config::IniFileError);
}

} // namespace
