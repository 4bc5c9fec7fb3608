// Win32's boxes and common dialogs as the questions bring them up, unscripted.
#include "dialogs/Questions.h"
#include "platform/WinText.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <thread>

#include <windows.h>

// The chooser's control ids; it needs the types of windows.h first.
#include <dlgs.h>

namespace {

// The update's save chooser, as the info dialog asks it: the name is proposed in the name field.
TEST(QuestionBoxesTest, SaveChooserProposesTheNameOfAStartThatIsNoFolder) {
    testing_support::TestFolder folder;
    const std::string proposed = folder.Path("Tippomat.zip");
    // From another thread, while the chooser's own loop runs in this one. The chooser's window
    // comes before its name field is filled: the name is read until it is there.
    std::string shown;
    std::thread user([&] {
        HWND chooser = nullptr;
        wchar_t name[MAX_PATH] = {};
        for (int tries = 0; tries < 300 && name[0] == L'\0'; ++tries) {
            Sleep(50);
            chooser = FindWindowW(L"#32770", nullptr);
            if (GetDlgItemTextW(chooser, cmb13, name, MAX_PATH) == 0) {
                GetDlgItemTextW(chooser, edt1, name, MAX_PATH);
            }
        }
        shown = platform::Narrow(name);
        PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    });
    const auto chosen = dialogs::AskPath(
        nullptr, {dialogs::PathKind::SaveFile, "", "Alles (*.*)|*.*", "zip", proposed});
    user.join();
    EXPECT_FALSE(chosen);
    EXPECT_TRUE(shown == "Tippomat.zip" || shown == proposed) << shown;
}

} // namespace
