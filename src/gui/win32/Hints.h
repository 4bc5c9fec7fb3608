// The hints of one top-level window's tools (its controls, or the window itself) in one tooltip
// window, made when the window first needs it: "title|text" shows the title in bold over the
// text; each hint hides after 5000 ms. The dialogs show them as balloons. The tooltip asks for
// a tool's text as it is about to show it (the window forwards WM_NOTIFY to Answer), which is
// when the title of that tool is set: a tooltip has one title for all its tools. The tooltip has
// no owner, so that showing the window does not move it as well; it is topmost by itself.
#pragma once

#include <map>
#include <string>

#include <windows.h>

#include <commctrl.h>

namespace win32face {

enum class HintStyle { Plain, Balloon };

class Hints {
  public:
    explicit Hints(HintStyle style) : style_(style) {}
    ~Hints();
    Hints(const Hints&) = delete;
    Hints& operator=(const Hints&) = delete;

    // The tool's hint from now on.
    void Set(HWND tool, const std::string& hint);
    // The tooltip, for every tool set so far and each one set later; made once.
    void Ready();
    // True when the notification was the tooltip's request for a tool's text, now answered.
    bool Answer(NMHDR& header);

  private:
    void AddTool(HWND tool);

    HintStyle style_;
    HWND tooltip_ = nullptr;
    std::map<HWND, std::string> hints_;
    std::wstring text_; // the text of the tool last asked for, while the tooltip shows it
};

} // namespace win32face
