// The one place where the logic meets a face: every window's logic gets its view from here.
// Each face, and each test fixture, provides one.
#pragma once

#include "core/MainForm.h"
#include "dialogs/DialogView.h"

#include <map>
#include <memory>
#include <string>

namespace dialogs {

class ViewFactory {
  public:
    virtual core::MainView& LauncherView() = 0;
    // The launcher window's events go to launcher from now on; nullptr stops them.
    virtual void AttachLauncher(core::Tmain* launcher) = 0;
    // A dialog drawn from its layout; its events go to events from the start.
    virtual std::unique_ptr<DialogView> NewDialogView(const DialogLayout& layout,
                                                      DialogEvents& events) = 0;

  protected:
    ~ViewFactory() = default;
};

// A face's factory: its launcher window, and its dialog class drawn from each layout. Tests
// reach a dialog by its layout's name.
template <class LauncherWindow, class DialogWindow> class FaceViews : public ViewFactory {
  public:
    core::MainView& LauncherView() override { return main; }
    void AttachLauncher(core::Tmain* launcher) override { main.Attach(launcher); }
    std::unique_ptr<DialogView> NewDialogView(const DialogLayout& layout,
                                              DialogEvents& events) override {
        auto dialog = std::make_unique<DialogWindow>(layout, events);
        dialogs_[layout.name] = dialog.get();
        return dialog;
    }

    // The dialog of that name made last, while it lives.
    DialogWindow& DialogNamed(const std::string& name) const { return *dialogs_.at(name); }

    LauncherWindow main;

  private:
    std::map<std::string, DialogWindow*> dialogs_;
};

} // namespace dialogs
