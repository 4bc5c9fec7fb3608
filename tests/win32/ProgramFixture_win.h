// Tippomat.exe started as a user starts it, under Wine: in a test folder with its own
// application-data folder and bindings to a program that leaves a mark; and how the tests find
// its windows.
#pragma once

#include "support/ChildProcess.h"
#include "support/ShellFolders_win.h"
#include "support/TestFolder.h"
#include "support/TopWindows_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <windows.h>

namespace testing_support {

// A shown window of that class of a process, or (shownOnly false) any.
HWND WindowOf(std::uint32_t process, const wchar_t* className, bool shownOnly);
// The launcher window of a process, once it exists.
HWND MainWindowOf(std::uint32_t process);
// Whether some program holds the shortcut: the program is ready once its hotkey is.
bool ShortcutTaken(UINT modifiers, UINT key);
// Class, caption, process and visibility of a window, for a failure's message.
std::string Describe(HWND window);
// Every open menu is a window of this class.
bool MenuShown(HWND window);

class ProgramEndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // Starts the program and waits until it is ready: its window, its hotkey and its tray icon.
    HWND Start(std::unique_ptr<ChildProcess>& process);
    // The hotkey brings the popup up in front, where the next key goes.
    void ShowPopup(HWND window);
    // The info dialog opened by its menu entry, once it is shown (in German or English); nullptr
    // when it does not come.
    HWND OpenInfoDialog(HWND window);
    // The tray menu opened by the right button, in front, where the next keys go.
    void OpenTrayMenu(HWND window);

    TestFolder folder_;
    // The application-data folder the program finds.
    ShellFolder appData_{L"AppData", folder_.Path("App Daten")};
    std::string program_ = folder_.Path("Programme\\Tippomat.exe");
    std::string marker_ = folder_.Path("Werkzeuge\\markprog.exe");
    std::string workDir_ = folder_.Path("Arbeits Ordner");
    std::string mark_ = folder_.Path("mark.txt");
    std::string ini_;
};

} // namespace testing_support
