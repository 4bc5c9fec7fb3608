// The INI file changed by another program while the program runs, on an X desktop: a binding
// written there starts by its key without a restart, and the list editor's OK keeps it.
#include "e2e/EndToEndFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::EndToEndTest;
using testing_support::Eventually;
using testing_support::PressXKeys;
using testing_support::ReadBytes;
using testing_support::VisibleWindowNamed;
using testing_support::WriteBytes;

namespace {

// The file's text with the key B bound to path.
std::string WithB(const std::string& ini, const std::string& path) {
    std::string text = ReadBytes(ini);
    const std::string section = "[Buchstaben]\r\n";
    return text.insert(text.find(section) + section.size(), "B=" + path + "\r\n");
}

TEST_F(EndToEndTest, BindingWrittenIntoTheFileFromOutsideStartsWithoutRestart) {
    const std::string ini = folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini");
    Recorder("b.sh");
    Start();
    // As editors and synchronisation tools save: a new file renamed over the old one.
    WriteBytes(ini + ".neu", WithB(ini, folder_.Path("b.sh")));
    std::filesystem::rename(ini + ".neu", ini);
    // Pressed until it starts: the program takes the file a moment after it changed, and an
    // unbound key leaves the popup up.
    ShowPopup();
    EXPECT_TRUE(Eventually([&] {
        PressXKeys("b");
        return Eventually([&] { return ReadBytes(mark_).find("b.sh") != std::string::npos; }, 1);
    }));
    EXPECT_FALSE(VisibleWindowNamed("^Einstellungen")) << "no dialog";
}

TEST_F(EndToEndTest, ChangeFromOutsideIsKeptByTheOpenListEditorsOk) {
    const std::string ini = folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini");
    Start();
    ASSERT_NO_FATAL_FAILURE(OpenList());
    // Written in place, as a plain editor saves.
    WriteBytes(ini, WithB(ini, folder_.Path("b.sh")));
    ASSERT_NO_FATAL_FAILURE(ConfirmList());
    const std::string text = ReadBytes(ini);
    EXPECT_NE(text.find("\r\nB=" + folder_.Path("b.sh") + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nK=" + folder_.Path("k.sh") + "\r\n"), std::string::npos);
}

} // namespace
