// The windows of a start drawn by the Qt face on a temporary configuration folder, with the
// questions they ask answered from a queue.
#pragma once

#include "dialogs/Program.h"
#include "gui/qt/Faces.h"
#include "gui/qt/Questions.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace testing_support {

class UiFixture : public ::testing::Test {
  protected:
    UiFixture() { qtface::SetScriptedAnswers(&answers_); }
    ~UiFixture() override { qtface::SetScriptedAnswers(nullptr); }

    struct Start {
        explicit Start(const TestFolder& folder)
            : program((state.location = {folder.Path("Tippomat"), folder.Path(),
                                         folder.Path("Tippomat.ini")},
                       state),
                      faces) {}
        core::ProgramState state;
        qtface::Faces faces;
        dialogs::Program program;
        qtface::MainWindow& main = faces.main;
        qtface::Dialog& hub = faces.DialogNamed(dialogs::THauptformular::Form().name);
        qtface::Dialog& admin = faces.DialogNamed(dialogs::TAdmindata::Form().name);
    };

    std::string IniText() const { return ReadBytes(folder_.Path("Tippomat.ini")); }

    TestFolder folder_;
    dialogs::ScriptedAnswers answers_;
};

} // namespace testing_support
