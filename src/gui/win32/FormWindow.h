// A dialog drawn with Win32 from its logic's layout: buttons, labelled edits and check boxes at
// their places scaled to the monitor's DPI, in Tahoma, with balloon hints, help contexts and
// tab order. Clicks, keys in edits and every close by the user go to the logic.
#pragma once

#include "dialogs/Form.h"

#include <vector>

#include <windows.h>

namespace wingui {

class FormWindow : public dialogs::DialogView {
  public:
    explicit FormWindow(const dialogs::FormLayout& layout);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Events reach the logic from now on; nullptr stops them.
    void Attach(dialogs::FormLogic* logic) { logic_ = logic; }

    HWND Handle() const { return window_; }
    // The control of that name; nullptr for none.
    HWND Control(const std::string& name) const;

    // Tab, Enter and Escape for the dialog that holds the message's window; false when the
    // message is none of a dialog's.
    static bool DialogMessage(MSG& message);

    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    double Number(const std::string& control) const override;
    void SetNumber(const std::string& control, double value) override;

    bool IsShown() const override;
    void ShowForm() override;
    void FocusForm() override;
    void HideForm() override;
    void ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) override;
    void ShowHelp(int helpContext) override;

  private:
    struct ControlWindow {
        const dialogs::ControlLayout* layout;
        HWND window;
        HWND label; // an edit's label above it, else nullptr
    };

    static ATOM WindowClass();
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    template <class Window> friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleControl(const ControlWindow& control, UINT message, WPARAM wParam, LPARAM lParam);
    void Create(const dialogs::ControlLayout& layout, int id);
    void Place(UINT dpi);
    SIZE FrameSize(UINT dpi) const;
    void Command(WORD id, WORD code);
    void UserClose();
    const ControlWindow* Find(HWND window) const;

    const dialogs::FormLayout& layout_;
    dialogs::FormLogic* logic_ = nullptr;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    std::vector<ControlWindow> controls_;
};

} // namespace wingui
