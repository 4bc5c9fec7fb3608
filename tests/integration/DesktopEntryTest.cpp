// Desktop entries: the Exec quoting gives back any program path.
#include "integration/DesktopEntry.h"
#include "integration/DesktopEntryFile.h"

#include <gtest/gtest.h>

using integration::ExecValue;
using integration::ParseExecValue;

namespace {

TEST(DesktopEntry, QuotesWhatNeedsQuotesAndReadsItBack) {
    const std::vector<std::string> command{"/opt/My \"Tools\"/100% $HOME\\tippomat", "--popup", ""};
    const std::string exec = ExecValue(command);
    EXPECT_EQ(exec, "\"/opt/My \\\\\"Tools\\\\\"/100%% \\\\$HOME\\\\\\\\tippomat\" --popup \"\"");
    EXPECT_EQ(ParseExecValue(exec), command);
    EXPECT_EQ(ExecValue({"/usr/bin/tippomat"}), "/usr/bin/tippomat");
}

TEST(DesktopEntry, RefusesMalformedExecValues) {
    for (const char* value : {"\"/opt/unclosed", "/opt/a\"b\"", "\"a\"b", "\"\\\\q\"", "x\\"}) {
        EXPECT_FALSE(ParseExecValue(value).has_value()) << value;
    }
}

TEST(DesktopEntry, WritesOneKeyALineWithEscapedValues) {
    integration::DesktopEntry entry{"Tippomat", "line\nbreak", {"/opt/t/tippomat"}, "/opt/t/"};
    EXPECT_EQ(integration::DesktopEntryText(entry),
              "[Desktop Entry]\nType=Application\nName=Tippomat\nComment=line\\nbreak\n"
              "Exec=/opt/t/tippomat\nPath=/opt/t/\n");
}

// A launcher hands the program no files: the field codes go, "%%" stays a percent sign.
TEST(DesktopEntry, ReadsTheLaunchOfAnApplicationEntry) {
    const auto launch = integration::ReadDesktopEntryLaunch(
        "# comment\n[Desktop Entry]\nName=Editor\nExec[de]=falsch\nType = Application\n"
        "Exec=\"/opt/my editor/edit\" --mode 100%% %F\nPath=/home/u/Neuer\\sOrdner\n"
        "Icon=accessories-text-editor\n[Desktop Action neu]\nExec=/opt/other\n");
    ASSERT_TRUE(launch.has_value());
    EXPECT_EQ(launch->command, (std::vector<std::string>{"/opt/my editor/edit", "--mode", "100%"}));
    EXPECT_EQ(launch->workingDirectory, "/home/u/Neuer Ordner");
    EXPECT_EQ(launch->icon, "accessories-text-editor");
    EXPECT_FALSE(integration::ReadDesktopEntryLaunch("[Desktop Entry]\nType=Link\nURL=x\n"));
    EXPECT_FALSE(integration::ReadDesktopEntryLaunch("[Desktop Entry]\nType=Application\n"));
}

} // namespace
