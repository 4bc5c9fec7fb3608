// The three windows of a start drawn by the Qt face on a temporary configuration folder, and
// the messages they show.
#pragma once

#include "dialogs/Program.h"
#include "gui/qt/FormDialog.h"
#include "gui/qt/MainWindow.h"
#include "gui/qt/Messages.h"
#include "unit/TestFolder.h"

#include <gtest/gtest.h>

#include <QString>
#include <vector>

namespace testing_support {

class UiFixture : public ::testing::Test {
  protected:
    UiFixture() {
        gui::SetMessageSink(
            [this](const QString& text, core::MessageKind, int) { messages_.push_back(text); });
    }
    ~UiFixture() override { gui::SetMessageSink(nullptr); }

    struct Start {
        explicit Start(const TestFolder& folder)
            : program((state.location = {folder.Path("Tippomat"), folder.Path(),
                                         folder.Path("Tippomat.ini")},
                       state),
                      main, hub, admin) {
            main.Attach(program.launcher);
            hub.Attach(program.hub);
            admin.Attach(program.admin);
        }
        core::ProgramState state;
        gui::MainWindow main;
        gui::FormDialog hub{dialogs::THauptformular::Form()};
        gui::FormDialog admin{dialogs::TAdmindata::Form()};
        dialogs::Program program;
    };

    std::string IniText() const { return ReadBytes(folder_.Path("Tippomat.ini")); }

    TestFolder folder_;
    std::vector<QString> messages_;
};

} // namespace testing_support
