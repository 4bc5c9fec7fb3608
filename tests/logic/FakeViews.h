// Recording views: they keep what the logic draws and shows, and hold the values of the
// controls as a face would.
#pragma once

#include "core/MainForm.h"
#include "dialogs/Form.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct ShownMessage {
    core::MessageKind kind;
    std::string text;
    int helpContext;
};

class FakeMainView : public core::MainView {
  public:
    core::Size ScreenSize() const override { return screen; }
    config::WindowBounds Bounds() const override { return bounds; }
    void SetBounds(const config::WindowBounds& value) override { bounds = value; }
    core::Size ClientSize() const override { return {bounds.width, bounds.height}; }
    void SetCaption(const std::string& value) override { caption = value; }
    void SetFrameStyle(int value) override { frameStyle = value; }
    void SetBackground(int value) override { background = value; }
    void SetHint(const std::string& value) override { hint = value; }
    void SetLabelText(const std::string& value) override { labelText = value; }
    // A text of 3 by 2 characters; a character is as wide as the size in points.
    core::Size SetLabelFontSize(int points) override {
        labelFontSize = points;
        return {3 * points, 2 * points};
    }
    void MoveLabel(int left, int top) override { labelPosition = {left, top}; }
    void SetBlinkInterval(int value) override { blinkInterval = value; }
    void SetBlinking(bool value) override { blinking = value; }
    bool IsPopupShown() const override { return popupShown; }
    void ShowPopup() override { popupShown = true; }
    void HidePopup() override { popupShown = false; }
    // Restoring the program shows the popup, in front.
    void BringToFront() override {
        ++broughtToFront;
        popupShown = true;
    }
    void ShowTrayIcon() override { trayIconShown = true; }
    void ShowNotice(const std::string&, const std::string& text) override {
        notices.push_back(text);
    }
    void SetMenuItemEnabled(core::MenuItem item, bool enabled) override {
        menuEnabled[item] = enabled;
    }
    void OpenMenuAtCursor() override { ++menusOpened; }
    void ShowMessage(core::MessageKind kind, const std::string& text, int help) override {
        messages.push_back({kind, text, help});
    }
    void WhenIdle(std::function<void()> work) override { idleWork.push_back(std::move(work)); }
    void EndProgram() override { ended = true; }
    // The message loop comes to rest.
    void RunIdleWork() {
        for (auto& work : std::exchange(idleWork, {})) {
            work();
        }
    }

    core::Size screen{1920, 1080};
    config::WindowBounds bounds{219, 143, 6, 37};
    std::string caption, hint, labelText;
    int frameStyle = -1, background = 0, labelFontSize = 0, blinkInterval = 0;
    core::Size labelPosition{0, 0};
    bool blinking = false, popupShown = false, trayIconShown = false, ended = false;
    int broughtToFront = 0, menusOpened = 0;
    std::vector<std::string> notices;
    std::map<core::MenuItem, bool> menuEnabled;
    std::vector<ShownMessage> messages;
    std::vector<std::function<void()>> idleWork;
};

class FakeDialogView : public dialogs::DialogView {
  public:
    // The controls start with the texts of the layout, as a face creates them.
    explicit FakeDialogView(const dialogs::FormLayout& layout) {
        for (const dialogs::ControlLayout& control : layout.controls) {
            texts[control.name] = control.text;
        }
    }

    std::string Text(const std::string& control) const override { return texts.at(control); }
    void SetText(const std::string& control, const std::string& text) override {
        texts.at(control) = text;
    }
    double Number(const std::string& control) const override {
        const auto found = numbers.find(control);
        return found != numbers.end() ? found->second : 0;
    }
    void SetNumber(const std::string& control, double value) override { numbers[control] = value; }

    bool IsShown() const override { return shown; }
    void ShowForm() override { shown = true; }
    void FocusForm() override { ++focused; }
    void HideForm() override { shown = false; }
    void ShowMessage(core::MessageKind kind, const std::string& text, int help) override {
        messages.push_back({kind, text, help});
    }
    void ShowHelp(int helpContext) override { helpTopics.push_back(helpContext); }

    std::map<std::string, std::string> texts;
    std::map<std::string, double> numbers;
    bool shown = false;
    int focused = 0;
    std::vector<ShownMessage> messages;
    std::vector<int> helpTopics;
};

} // namespace testing_support
