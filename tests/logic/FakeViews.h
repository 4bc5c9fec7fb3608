// Recording views: they keep what the logic draws and shows, and hold the values of the
// controls as a face would.
#pragma once

#include "core/MainForm.h"
#include "dialogs/NamedControls.h"
#include "dialogs/ViewFactory.h"
#include "support/ScriptedAnswers.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class FakeMainView : public core::MainView {
  public:
    core::Size ScreenSize() const override { return screen; }
    config::WindowBounds Bounds() const override { return bounds; }
    void SetBounds(const config::WindowBounds& value) override { bounds = value; }
    core::Size ClientSize() const override { return {bounds.width, bounds.height}; }
    void SetCaption(const std::string& value) override { caption = value; }
    void SetFrameStyle(int value) override { frameStyle = value; }
    void SetBareFrame(bool dialogFrame) override { bareFrames.push_back(dialogFrame); }
    void SetBackground(int value) override { background = value; }
    void SetHint(const std::string& value) override { hint = value; }
    void SetLabelText(const std::string& value) override { labelText = value; }
    // A text of 3 by 2 characters; a character is as wide as the size in points.
    core::Size SetLabelFontSize(int points) override {
        labelFontSize = points;
        ++fontsMeasured;
        return {3 * points, 2 * points};
    }
    void MoveLabel(int left, int top) override { labelPosition = {left, top}; }
    void SetBlinkInterval(int value) override { blinkInterval = value; }
    void SetBlinking(bool value) override { blinking = value; }
    void PreparePopup() override { popupPrepared = true; }
    bool IsPopupShown() const override { return popupShown; }
    void ShowPopup() override { popupShown = true; }
    void HidePopup() override { popupShown = false; }
    // Restoring the program shows the popup, in front.
    void BringToFront() override {
        ++broughtToFront;
        popupShown = true;
    }
    void ShowTrayIcon() override { trayIconShown = true; }
    bool TrayAvailable() const override { return trayAvailable; }
    bool GrabsKeys() const override { return grabsKeys; }
    void ShowNotice(const std::string&, const std::string& text) override {
        notices.push_back(text);
    }
    void SetMenuItemEnabled(core::MenuItem item, bool enabled) override {
        menuEnabled[item] = enabled;
    }
    void OpenMenuAtCursor() override { ++menusOpened; }
    void ShowMessage(core::MessageKind kind, const std::string& text, int help) override {
        messages.push_back({kind, text, dialogs::MessageButtons::Ok, help});
    }
    void EndProgram() override { ended = true; }

    core::Size screen{1920, 1080};
    config::WindowBounds bounds{219, 143, 6, 37};
    std::string caption, hint, labelText;
    int frameStyle = -1, background = 0, labelFontSize = 0, blinkInterval = 0;
    core::Size labelPosition{0, 0};
    bool blinking = false, popupShown = false, trayIconShown = false, ended = false;
    bool trayAvailable = true, grabsKeys = true;
    int broughtToFront = 0, menusOpened = 0, fontsMeasured = 0;
    bool popupPrepared = false;
    std::vector<bool> bareFrames; // each frame the appearance dialog applied
    std::vector<std::string> notices;
    std::map<core::MenuItem, bool> menuEnabled;
    std::vector<dialogs::MessageQuestion> messages;
};

// A control that is never drawn: it keeps its value as a face's control does before its widgets
// exist. Every character is 7 pixels wide.
class FakeControl : public dialogs::FaceControl {
  public:
    using FaceControl::FaceControl;
    int TextWidth(const std::string& text) const override {
        return 7 * static_cast<int>(text.size());
    }
    void SetColumnWidths(const std::vector<int>& value) override { widths = value; }
    void SetRowIcons(const std::vector<std::string>& paths) override { icons = paths; }
    std::vector<int> widths;
    std::vector<std::string> icons;
};

// A dialog's controls as a face holds them, and what the logic shows and asks; the questions
// take their answers from queues. A name that is no control of the dialog fails the test.
class FakeDialogView : public dialogs::NamedControls<FakeControl>,
                       public testing_support::ScriptedAnswers {
  public:
    FakeDialogView(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events);

    bool Enabled(const std::string& control) const {
        const FakeControl* found = Find(control);
        if (found == nullptr) {
            NoSuchControl(control);
        }
        return found != nullptr && found->Enabled();
    }

    bool IsShown() const override { return shown; }
    void ShowForm() override { shown = true; }
    void FocusForm() override { ++focused; }
    // Runs whileModal as the user's doing; a dialog still shown after it is closed by its
    // close box.
    dialogs::Closed ShowModal() override;
    void HideForm(dialogs::Closed how) override;
    void SetOwner(dialogs::DialogView& view) override { owner = &view; }

    dialogs::Answer Ask(const dialogs::MessageQuestion& question) override {
        return AnswerTo(question);
    }
    std::optional<std::string> AskPath(const dialogs::PathQuestion& question) override {
        return AnswerTo(question);
    }
    std::optional<int> AskColor(int current) override { return AnswerToColor(current); }
    void ShowHelp(int helpContext) override { helpTopics.push_back(helpContext); }
    void ProcessPendingEvents() override {
        ++eventsProcessed;
        if (whileProcessing) {
            whileProcessing();
        }
    }

    // The user's doings, as a face tells them.
    dialogs::DialogEvents& user;

    bool shown = false;
    int focused = 0;
    int eventsProcessed = 0;
    dialogs::Closed closed = dialogs::Closed::CloseBox;
    std::function<void()> whileModal;
    // The user's doings while the logic lets pending events through.
    std::function<void()> whileProcessing;
    std::vector<int> helpTopics;
    const dialogs::DialogView* owner = nullptr;

  protected:
    // A misspelt name fails the test instead of reading as empty.
    void NoSuchControl(const std::string& name) const override;

  private:
    std::string dialog_;
};

// The views of a start: the launcher's, and every dialog's by its layout's name (the last one
// made, where a dialog is opened more than once).
class FakeViewFactory : public dialogs::ViewFactory {
  public:
    core::MainView& LauncherView() override { return main; }
    void AttachLauncher(core::Tmain*) override {}
    std::unique_ptr<dialogs::DialogView> NewDialogView(const dialogs::DialogLayout& layout,
                                                       dialogs::DialogEvents& events) override;
    FakeDialogView& View(const std::string& dialog) const { return *dialogs_.at(dialog); }

    FakeMainView main;
    // The user's doings in a modal dialog made later, by its layout's name.
    std::map<std::string, std::function<void(FakeDialogView&)>> whileModal;

  private:
    std::map<std::string, FakeDialogView*> dialogs_;
};

} // namespace testing_support
