// The three windows of a start over recording views, on a temporary configuration folder.
#pragma once

#include "dialogs/Program.h"
#include "logic/FakeViews.h"
#include "unit/TestFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace testing_support {

// A program file that starts and ends at once.
std::string QuietProgram(const TestFolder& folder);

class LogicFixture : public ::testing::Test {
  protected:
    LogicFixture() {
        location_.ProgramPath = folder_.Path("Tippomat");
        location_.ConfigFolder = folder_.Path();
        location_.IniPath = folder_.Path("Tippomat.ini");
    }

    // A start: what the program holds, the views and the windows over them, in start-up order.
    struct Start {
        explicit Start(const core::ConfigLocation& location)
            : program((state.location = location, state), views) {}
        core::ProgramState state;
        FakeViewFactory views;
        dialogs::Program program;
        FakeMainView& main = views.main;
        FakeDialogView& hubView = views.View(dialogs::THauptformular::Form().name);
        FakeDialogView& adminView = views.View(dialogs::TAdmindata::Form().name);
        dialogs::THauptformular& hub = program.hauptformular;
        dialogs::TAdmindata& admin = program.admindata;
        core::Tmain& launcher = program.main;
    };

    std::unique_ptr<Start> NewStart() { return std::make_unique<Start>(location_); }
    // The program ends; the next start finds what it left in its files.
    void Restart(std::unique_ptr<Start>& start) {
        start.reset();
        start = NewStart();
    }

    // The file's text without its byte-order mark: new files carry one on Linux only.
    std::string IniText() const {
        const std::string bytes = ReadBytes(location_.IniPath);
        return bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? bytes.substr(3) : bytes;
    }
    void WriteIni(const std::string& text) { WriteBytes(location_.IniPath, text); }
    static bool HotkeysEnabled(const Start& start) {
        return start.state.hotkey.Enabled() && start.state.adminhotkey.Enabled();
    }

    TestFolder folder_;
    core::ConfigLocation location_;
};

} // namespace testing_support
