// The real windows of a start on a temporary configuration folder, with questions answered from
// a queue and help requests recorded instead of shown, and the program's message loop to drive
// them.
#pragma once

#include "dialogs/Program.h"
#include "gui/win32/Faces.h"
#include "support/RecordedHelpTopics.h"
#include "support/ScriptedQuestions.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

class FaceTest : public ::testing::Test {
  public:
    // Runs the program's message loop until done() holds; false when time ran out first.
    static bool PumpUntil(const std::function<bool()>& done, int seconds = 10);

  protected:
    FaceTest();

    struct Start {
        explicit Start(const core::ConfigLocation& location)
            : program((state.location = location, state), faces) {}
        core::ProgramState state;
        win32face::Faces faces;
        dialogs::Program program;
        win32face::MainWindow& main = faces.main;
        win32face::Dialog& hub = faces.DialogNamed(dialogs::THauptformular::Form().name);
        win32face::Dialog& admin = faces.DialogNamed(dialogs::TAdmindata::Form().name);
        core::Tmain& launcher() { return program.main; }
    };

    std::unique_ptr<Start> NewStart() { return std::make_unique<Start>(location_); }
    void WriteIni(const std::string& text) { WriteBytes(location_.IniPath, text); }
    std::string IniText() const { return ReadBytes(location_.IniPath); }

    TestFolder folder_;
    core::ConfigLocation location_;
    ScriptedAnswers& answers_ = scripted_questions::Reset();
    std::vector<dialogs::MessageQuestion>& messages_ = answers_.messages;
    std::vector<int>& helpTopics_ = recorded_help::Reset();
};

// A key going down in a window, through the program's loop (Tab, Enter and Escape included),
// with what it brings about (the characters it makes, say).
void KeyDownIn(HWND window, WPARAM key, UINT message = WM_KEYDOWN);

// What the shell posts with WM_DROPFILES when a file is dropped at that point of a window's
// client area; the window's handling frees it.
HDROP DropOf(const std::string& path, POINT at);

struct Hint {
    HWND tooltip;
    std::wstring text;
};
// The hints over a top-level window's tools, by tool window, from the tooltips of the thread.
std::map<HWND, Hint> HintsOf(HWND form);

} // namespace testing_support
