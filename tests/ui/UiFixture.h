// The windows of a start drawn by the Qt face on a temporary configuration folder, with the
// questions they ask answered from a queue.
#pragma once

#include "dialogs/Program.h"
#include "gui/qt/Faces.h"
#include "support/ScriptedQuestions.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace testing_support {

class UiFixture : public ::testing::Test {
  protected:
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
    ScriptedAnswers& answers_ = scripted_questions::Reset();
};

} // namespace testing_support
