// Desktop entries: the Exec quoting gives back any program path.
#include "integration/DesktopEntry.h"

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

} // namespace
