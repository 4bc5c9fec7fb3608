// Tippomat.exe under Wine follows its INI file: a binding that another program writes there
// starts by the hotkey and its key, without a restart.
#include "win32/ProgramFixture_win.h"

#include "platform/WinText.h"
#include "support/KeyInput_win.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <windows.h>

using testing_support::ChildProcess;
using testing_support::Eventually;
using testing_support::PressKeys;
using testing_support::ProgramEndToEndTest;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

TEST_F(ProgramEndToEndTest, BindingWrittenIntoTheFileFromOutsideStartsWithoutRestart) {
    std::unique_ptr<ChildProcess> program;
    const HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    // As editors and synchronisation tools save: a new file moved over the old one.
    std::string text = ReadBytes(ini_);
    const std::string section = "[Buchstaben]\r\n";
    text.insert(text.find(section) + section.size(), "B=" + marker_ + "\r\nPB=von aussen\r\n");
    WriteBytes(ini_ + ".neu", text);
    // Tried again while the program has the file open for reading, as such tools do.
    ASSERT_TRUE(Eventually([&] {
        return MoveFileExW(platform::Wide(ini_ + ".neu").c_str(), platform::Wide(ini_).c_str(),
                           MOVEFILE_REPLACE_EXISTING) != 0;
    }));
    // Pressed until it starts: the program takes the file a moment after it changed, and an
    // unbound key leaves the popup up.
    ASSERT_NO_FATAL_FAILURE(ShowPopup(window));
    EXPECT_TRUE(Eventually([&] {
        PressKeys({'B'});
        return Eventually([&] { return ReadBytes(mark_).find("von aussen") != std::string::npos; },
                          1);
    }));
    EXPECT_EQ(program->Wait(0), -1) << "the same copy runs on";
}

} // namespace
