// A dialog drawn with Win32 from its logic's layout: a frame (fixed, tool window or sizable)
// with a control of each kind at its place scaled to the monitor's DPI, in Tahoma, with balloon
// hints (one tooltip for the dialog), help contexts and tab order. The window is made the first
// time it is needed; until then the controls keep their values. Events go to the logic; every close
// by the user too. Its jobs stand in DialogWindow.cpp (making, placing, the window procedure),
// DialogKeys.cpp (the keyboard), DialogModal.cpp (the modal show) and DialogDrop.cpp (files
// dropped on it).
#pragma once

#include "dialogs/NamedControls.h"
#include "gui/win32/Hints.h"
#include "gui/win32/controls/Control.h"

#include <memory>
#include <vector>

#include <windows.h>

#include <shellapi.h>

namespace win32face {

class Dialog : public dialogs::NamedControls<win32face::Control> {
  public:
    Dialog(const dialogs::DialogLayout& layout, dialogs::DialogEvents& events);
    ~Dialog() override;

    const dialogs::DialogLayout& Layout() const { return layout_; }
    // The dialog's window, made now if it was not yet.
    HWND Window();
    HWND Handle() const { return window_; }
    // The window that stands for the control of that name; nullptr for none.
    HWND Control(const std::string& name);

    bool IsShown() const override;
    void ShowForm() override;
    void FocusForm() override;
    dialogs::Closed ShowModal() override;
    void HideForm(dialogs::Closed how) override;
    void SetOwner(dialogs::DialogView& owner) override;

    dialogs::Answer Ask(const dialogs::MessageQuestion& question) override;
    std::optional<std::string> AskPath(const dialogs::PathQuestion& question) override;
    std::optional<int> AskColor(int current) override;
    void ShowHelp(int helpContext) override;
    void ProcessPendingEvents() override;

  private:
    friend bool DialogKeyMessage(MSG& message);
    using ControlPointer = std::unique_ptr<win32face::Control>;

    static ATOM WindowClass();
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    template <class Window> friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleControl(win32face::Control& control, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);
    void Create();
    void Place(UINT dpi);
    SIZE FrameSize(UINT dpi) const;
    void Command(WORD id, WORD code);
    void Escape();
    // The window takes dropped files when a control of its layout accepts them.
    void AcceptFilesWhereLaidOut();
    // Files dropped on the window: told to the control under the drop that accepts them.
    void Drop(HDROP drop);
    win32face::Control* Owner(HWND window) const;
    HWND Parent() const; // for the questions: the window while it is shown
    void EnableOthers(); // the windows a modal show took the input from

    const dialogs::DialogLayout& layout_;
    // The layout widened to the captions in the fonts drawn, from the window's making on.
    dialogs::DialogLayout fitted_;
    dialogs::DialogEvents& events_;
    Dialog* owner_ = nullptr;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    Hints hints_{HintStyle::Balloon};
    bool modal_ = false;
    std::vector<HWND> disabled_;
    HWND focus_ = nullptr; // the control that had the keyboard when it was last active
    dialogs::Closed closed_ = dialogs::Closed::CloseBox;
};

} // namespace win32face
