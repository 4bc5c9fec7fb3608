// The dialogs made anew at each opening, modeless, which go when they are closed. A closed one
// is freed at the next opening or with its owner, never from inside its own handlers, which
// its face is still running. Each stands above its owner's window, also while that is hidden,
// so that it gets no taskbar button of its own.
#pragma once

#include "dialogs/DialogLogic.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace dialogs {

class OpenedDialogs {
  public:
    explicit OpenedDialogs(DialogLogic& owner) : owner_(owner) {}

    // A new dialog, shown; every call makes another one.
    template <class Dialog, class... Arguments> Dialog& Open(Arguments&&... arguments) {
        dialogs_.erase(std::remove_if(dialogs_.begin(), dialogs_.end(),
                                      [](const auto& dialog) { return !dialog->IsShown(); }),
                       dialogs_.end());
        auto dialog = std::make_unique<Dialog>(std::forward<Arguments>(arguments)...);
        Dialog& opened = *dialog;
        opened.SetOwner(owner_);
        dialogs_.push_back(std::move(dialog));
        opened.Show();
        return opened;
    }

    template <class Dialog> bool AnyShown() const {
        return std::any_of(dialogs_.begin(), dialogs_.end(), [](const auto& dialog) {
            return dynamic_cast<const Dialog*>(dialog.get()) != nullptr && dialog->IsShown();
        });
    }

  private:
    DialogLogic& owner_;
    std::vector<std::unique_ptr<DialogLogic>> dialogs_;
};

} // namespace dialogs
