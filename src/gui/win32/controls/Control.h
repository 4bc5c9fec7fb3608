// One control of a dialog drawn with Win32, behind the interface every kind shares: its windows
// made in the dialog, placed at a DPI, its value as text or number, its items, and the user's
// doings told to the logic. Until its windows are made the control keeps its value itself; from
// then on the windows hold it. One class per kind (Kinds.h).
#pragma once

#include "dialogs/ControlValue.h"

#include <memory>
#include <vector>

#include <windows.h>

namespace win32face {

class Control {
  public:
    // Each control has this many command ids, from its first one on.
    static constexpr int kIdsPerControl = 64;

    Control(const dialogs::ControlLayout& layout, dialogs::DialogEvents& events);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const dialogs::ControlLayout& Layout() const { return value_.Layout(); }
    const std::string& Name() const { return Layout().name; }

    // Makes its windows in dialog, with the value kept so far; firstId and those after it are
    // its command ids.
    void Create(HWND dialog, int firstId);
    // The window that stands for it (the edit of a labelled edit); nullptr before Create.
    HWND Window() const { return window_; }
    // Every window it made, for the keys and help that reach them.
    const std::vector<HWND>& Windows() const { return windows_; }
    // At its place in the dialog's client area, in pixels at 96 dots per inch, for the DPI.
    virtual void Place(const dialogs::Rect& place, UINT dpi, HFONT font);

    // A notification of one of its windows: the part is the id's offset from its first id.
    virtual void Command(int part, WORD code);
    virtual LRESULT Notify(const NMHDR&) { return 0; }
    // Keys going down in it go to the logic; Enter presses it.
    virtual bool ForwardsKeys() const { return false; }
    virtual bool IsPushButton() const { return false; }

    std::string Text() const;
    void SetText(const std::string& text);
    double Number() const;
    void SetNumber(double value);
    std::vector<std::string> Items() const;
    void SetItems(const std::vector<std::string>& items);
    dialogs::Rows RowsOf() const;
    void SetRows(const dialogs::Rows& rows);
    virtual void SetColumnWidths(const std::vector<int>&) {}
    // In pixels at 96 dots per inch.
    virtual int TextWidth(const std::string& text) const;
    void SetEnabled(bool enabled);

  protected:
    // Makes its windows with Add, showing value(); returns the one that stands for it.
    virtual HWND Make() = 0;
    HWND Add(DWORD exStyle, const wchar_t* windowClass, const std::string& text, DWORD style,
             int part = 0);
    // The windows' value; the kinds without one keep it in value().
    virtual std::string ShownText() const { return value_.Text(); }
    virtual void SetShownText(const std::string&) {}
    virtual double ShownNumber() const { return value_.Number(); }
    virtual void SetShownNumber(double) {}
    virtual std::vector<std::string> ShownItems() const { return value_.Items(); }
    virtual void SetShownItems() {} // from value()
    virtual dialogs::Rows ShownRows() const { return value_.RowsOf(); }
    virtual void SetShownRows() {} // from value()
    // Places one of its windows at pixels scaled for the DPI.
    static void PlaceWindow(HWND window, const dialogs::Rect& place, UINT dpi, HFONT font);

    const dialogs::ControlValue& value() const { return value_; }
    dialogs::ControlValue& value() { return value_; }
    UINT Dpi() const { return dpi_; }
    dialogs::DialogEvents& events_;

  private:
    dialogs::ControlValue value_;
    HWND dialog_ = nullptr;
    int firstId_ = 0;
    HWND window_ = nullptr;
    std::vector<HWND> windows_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};

using MakeFunction = std::unique_ptr<Control> (*)(const dialogs::ControlLayout&,
                                                  dialogs::DialogEvents&);

template <class Kind>
std::unique_ptr<Control> Make(const dialogs::ControlLayout& layout, dialogs::DialogEvents& events) {
    return std::make_unique<Kind>(layout, events);
}

// The control of the layout's kind.
std::unique_ptr<Control> MakeControl(const dialogs::ControlLayout& layout,
                                     dialogs::DialogEvents& events);

} // namespace win32face
