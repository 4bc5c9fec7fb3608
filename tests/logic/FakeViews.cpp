#include "logic/FakeViews.h"

#include <gtest/gtest.h>

namespace testing_support {

FakeDialogView::FakeDialogView(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events)
    : NamedControls(layout, events, dialogs::Make<FakeControl, FakeControl>), user(events),
      dialog_(layout.name) {}

void FakeDialogView::NoSuchControl(const std::string& name) const {
    ADD_FAILURE() << "no control \"" << name << "\" in " << dialog_;
}

dialogs::Closed FakeDialogView::ShowModal() {
    shown = true;
    if (whileModal) {
        whileModal();
    }
    if (shown) {
        user.CloseRequested();
    }
    return closed;
}

void FakeDialogView::HideForm(dialogs::Closed how) {
    shown = false;
    closed = how;
}

std::unique_ptr<dialogs::DialogView>
FakeViewFactory::NewDialogView(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events) {
    auto view = std::make_unique<FakeDialogView>(layout, events);
    const auto script = whileModal.find(layout.name);
    if (script != whileModal.end()) {
        view->whileModal = [doing = script->second, shown = view.get()] { doing(*shown); };
    }
    dialogs_[layout.name] = view.get();
    return view;
}

} // namespace testing_support
