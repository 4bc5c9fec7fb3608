// The real windows of a start on a temporary configuration folder, with messages and help
// requests recorded instead of shown, and the program's message loop to drive them.
#pragma once

#include "gui/win32/ProgramWindows.h"
#include "unit/TestFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

struct RecordedMessage {
    core::MessageKind kind;
    std::string text;
    int helpContext;
};

class FaceTest : public ::testing::Test {
  public:
    // Runs the program's message loop until done() holds; false when time ran out first.
    static bool PumpUntil(const std::function<bool()>& done, int seconds = 10);

  protected:
    FaceTest();
    ~FaceTest() override;

    struct Start {
        explicit Start(const core::ConfigLocation& location)
            : windows((state.location = location, state)) {}
        core::ProgramState state;
        wingui::ProgramWindows windows;
        core::Tmain& launcher() { return windows.program->launcher; }
    };

    std::unique_ptr<Start> NewStart() { return std::make_unique<Start>(location_); }
    void WriteIni(const std::string& text) { WriteBytes(location_.IniPath, text); }
    std::string IniText() const { return ReadBytes(location_.IniPath); }

    TestFolder folder_;
    core::ConfigLocation location_;
    std::vector<RecordedMessage> messages_;
    std::vector<int> helpTopics_;
};

// A key going down in a window, through the program's loop (Tab, Enter and Escape included),
// with what it brings about (the characters it makes, say).
void KeyDownIn(HWND window, WPARAM key, UINT message = WM_KEYDOWN);

} // namespace testing_support
