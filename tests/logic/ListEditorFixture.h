// The list editor as the hub opens it, over recording views, with the binding editor that its
// buttons open modally.
#pragma once

#include "dialogs/Parameterform.h"
#include "dialogs/Programmliste.h"
#include "logic/LogicFixture.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

class ListEditorLogicTest : public LogicFixture {
  protected:
    ListEditorLogicTest() : start_(NewStart()) {}

    // The list editor as "Editieren" opens it.
    FakeDialogView& OpenList() {
        start_->hub.Clicked(dialogs::THauptformular::kEditbutton);
        return start_->views.View(dialogs::Tprogrammliste::Form().name);
    }
    // What the user does in the binding editor that the next click opens; editorRuns_ counts
    // its runs.
    void InEditor(std::function<void(FakeDialogView&)> doing) {
        start_->views.whileModal[dialogs::Tparameterform::Form().name] =
            [this, doing = std::move(doing)](FakeDialogView& editor) {
                ++editorRuns_;
                doing(editor);
            };
    }
    void Bind(int slot, const std::string& path, const std::string& workDir = "",
              const std::string& params = "") {
        start_->state.table.SetSlot(slot, path, workDir, params);
    }
    const config::LaunchSlot& Slot(int index) const { return start_->state.table.Slot(index); }
    std::vector<std::string> Row(const std::string& label, const std::string& path,
                                 const std::string& params = "", const std::string& dir = "") {
        return {label, path, params, dir};
    }
    std::vector<int> Widths(FakeDialogView& list) {
        return list.Find(dialogs::Tprogrammliste::kProgramme)->widths;
    }

    std::unique_ptr<Start> start_;
    int editorRuns_ = 0;
};

} // namespace testing_support
