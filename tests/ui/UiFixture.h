// A program state on a temporary configuration folder, and the messages the dialogs show.
#pragma once

#include "core/ProgramState.h"
#include "ui/Messages.h"
#include "unit/TestFolder.h"

#include <gtest/gtest.h>

#include <QString>
#include <vector>

namespace testing_support {

class UiFixture : public ::testing::Test {
  protected:
    UiFixture() {
        state_.location.ProgramPath = folder_.Path("Tippomat");
        state_.location.ConfigFolder = folder_.Path();
        state_.location.IniPath = folder_.Path("Tippomat.ini");
        ui::SetMessageSink([this](const QString& text, ui::MessageKind, int helpContext) {
            messages_.push_back(text);
            helpContexts_.push_back(helpContext);
        });
    }
    ~UiFixture() override { ui::SetMessageSink(nullptr); }

    std::string IniText() const { return ReadBytes(state_.location.IniPath); }
    void WriteIni(const std::string& text) { WriteBytes(state_.location.IniPath, text); }

    TestFolder folder_;
    core::ProgramState state_;
    std::vector<QString> messages_;
    std::vector<int> helpContexts_;
};

} // namespace testing_support
