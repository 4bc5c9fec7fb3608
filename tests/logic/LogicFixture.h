// The three windows of a start over recording views, on a temporary configuration folder.
#pragma once

#include "components/ShortCut.h"
#include "dialogs/Program.h"
#include "logic/FakeViews.h"
#include "support/FakeHotkeys.h"
#include "support/FakeInfoSystem.h"
#include "support/FakeStarts.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace testing_support {

class LogicFixture : public ::testing::Test {
  protected:
    LogicFixture() {
        fake_hotkeys::Reset();
        fake_starts::Reset();
        fake_info_system::Reset();
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
    // A file a binding can name: the fake system starts it without running anything.
    std::string AProgram() const {
        const std::string path = folder_.Path("Werkzeug");
        WriteBytes(path, "");
        return path;
    }
    // Both hotkeys work: the window system holds the shortcut of each.
    static ::testing::AssertionResult BothHotkeysHeld(const Start& start) {
        for (const components::Tfishotkey* hotkey :
             {&start.state.hotkey, &start.state.adminhotkey}) {
            if (!fake_hotkeys::IsHeld(hotkey->Key())) {
                return ::testing::AssertionFailure()
                       << (hotkey == &start.state.hotkey ? "the hotkey " : "the admin hotkey ")
                       << components::ShortCutToText(hotkey->Key()) << " is not registered";
            }
        }
        return ::testing::AssertionSuccess();
    }
    // While a dialog that edits a shortcut is shown, every key combination reaches it.
    static ::testing::AssertionResult NoHotkeyHeld() {
        const std::vector<components::ShortcutValue> held = fake_hotkeys::Held();
        if (held.empty()) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << components::ShortCutToText(held.front()) << " is still registered";
    }

    TestFolder folder_;
    core::ConfigLocation location_;
};

} // namespace testing_support
