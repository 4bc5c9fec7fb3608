// One control of a dialog drawn with Win32: its windows made in the dialog and placed at a DPI,
// the notifications of its windows; its value and the user's doings as every face's control has
// them (FaceControl). One class per kind (Kinds.h).
#pragma once

#include "dialogs/FaceControl.h"

#include <vector>

#include <windows.h>

namespace win32face {

class Control : public dialogs::FaceControl {
  public:
    // Each control has this many command ids, from its first one on.
    static constexpr int kIdsPerControl = 64;

    using FaceControl::FaceControl;

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
    // The grid row (as its Number counts) under a point of the screen; -1 for none.
    virtual int RowAt(POINT) const { return -1; }
    int TextWidth(const std::string& text) const override;
    // The width that shows its caption whole in that font made for the DPI, in pixels at 96
    // dots per inch; 0 for the kinds without one to keep whole.
    virtual int NeededWidth(HFONT, UINT) const { return 0; }

  protected:
    // Makes its windows with Add; returns the one that stands for it. The kept value is shown
    // in them afterwards.
    virtual HWND Make() = 0;
    HWND Add(DWORD exStyle, const wchar_t* windowClass, const std::string& text, DWORD style,
             int part = 0);
    void ShowEnabled(bool enabled) override;
    // Places one of its windows at pixels scaled for the DPI.
    static void PlaceWindow(HWND window, const dialogs::Rect& place, UINT dpi, HFONT font);
    UINT Dpi() const { return dpi_; }
    // The text's width in that font, made for the DPI, in pixels at 96 dots per inch.
    static int TextWidthIn(HFONT font, const std::string& text, UINT dpi);
    // A caption's width as a window draws it, where an ampersand marks the next letter.
    static int CaptionWidthIn(HFONT font, const std::string& caption, UINT dpi);
    int CaptionWidth(HFONT font, UINT dpi) const { return CaptionWidthIn(font, Text(), dpi); }
    // The box of a check box or radio button with its gap to the text.
    static int CheckWidth(UINT dpi);
    // A button's (or check box's) own ideal width in that font, with its text, picture and
    // frame.
    int IdealWidth(HFONT font, UINT dpi) const;

  private:
    HWND dialog_ = nullptr;
    int firstId_ = 0;
    HWND window_ = nullptr;
    std::vector<HWND> windows_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};

} // namespace win32face
