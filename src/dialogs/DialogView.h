// What a dialog's logic and a face say to each other. The logic drives the face through
// DialogView: the controls' values by name, the window, and questions that return the user's
// answer (the face runs the modal loop). The face tells the logic what the user did through
// DialogEvents.
#pragma once

#include "components/ShortCut.h"
#include "config/FormState.h"
#include "core/MessageKind.h"
#include "dialogs/Layout.h"

#include <optional>
#include <string>
#include <vector>

namespace dialogs {

// How a dialog was closed.
enum class Closed { Ok, Cancel, CloseBox };

enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct MessageQuestion {
    core::MessageKind kind;
    std::string text; // "\r" breaks lines
    MessageButtons buttons = MessageButtons::Ok;
    int helpContext = 0;
    // Placed at the asking dialog's left edge, this far below its top (pixels at 96 dots per
    // inch); none: where the system puts it.
    std::optional<int> belowTop{};
};

enum class PathKind { OpenFile, SaveFile, Folder };

// A file or folder chooser; it leaves the process's current folder as it was.
struct PathQuestion {
    PathKind kind;
    std::string title{};      // empty: the system's own
    std::string filter{};     // "description|pattern|description|pattern", the first chosen
    std::string defaultExt{}; // without its dot
    std::string start{};      // the folder (or file) it opens at; empty: the system's choice
};

// The grid's cells, row by row.
using Rows = std::vector<std::vector<std::string>>;

class DialogView : public config::FormControls {
  public:
    // Text and Number as the control's kind has them (ControlKind); a name that is no control
    // of the dialog reads as empty and 0 and takes nothing.
    virtual void SetItems(const std::string& control, const std::vector<std::string>& items) = 0;
    virtual std::vector<std::string> Items(const std::string& control) const = 0;
    virtual void SetRows(const std::string& grid, const Rows& rows) = 0;
    virtual Rows RowsOf(const std::string& grid) const = 0;
    virtual void SetColumnWidths(const std::string& grid, const std::vector<int>& widths) = 0;
    // The icons of these files or folders beside the grid's rows (row 1 first; an empty path
    // none). The face reads them once the dialog is shown, so the rows show at once.
    virtual void SetRowIcons(const std::string& grid, const std::vector<std::string>& paths) = 0;
    // The width of a text in the control's font, in pixels at 96 dots per inch.
    virtual int TextWidth(const std::string& control, const std::string& text) const = 0;
    virtual void SetEnabled(const std::string& control, bool enabled) = 0;

    virtual bool IsShown() const = 0;
    virtual void ShowForm() = 0; // shown modeless, in front
    virtual void FocusForm() = 0;
    // Shown modal; returns once the dialog is hidden, with how it was closed.
    virtual Closed ShowModal() = 0;
    virtual void HideForm(Closed how) = 0;
    // Stands above owner's window and comes up centred over it.
    virtual void SetOwner(DialogView& owner) = 0;

    virtual Answer Ask(const MessageQuestion& question) = 0;
    // The chosen path; nothing when the user cancelled.
    virtual std::optional<std::string> AskPath(const PathQuestion& question) = 0;
    // The chooser starts at current; its custom colours stay for the run. Nothing when cancelled.
    virtual std::optional<int> AskColor(int current) = 0;
    virtual void ShowHelp(int helpContext) = 0;
    // Lets the face handle what is pending (painting, moving the window) while a handler works
    // on, as a transfer does.
    virtual void ProcessPendingEvents() = 0;

    virtual ~DialogView() = default;
};

// What the user did, as a face tells it.
class DialogEvents {
  public:
    virtual void Clicked(const std::string& control) = 0; // also a browse or right button
    virtual void Changed(const std::string& control) = 0; // a value changed by the user
    virtual void DoubleClicked(const std::string& control) = 0;
    // Files or folders dropped on a control that accepts them; row: the grid's row under the
    // drop (as its Number counts), -1 for none or another kind.
    virtual void FilesDropped(const std::string& control, int row,
                              const std::vector<std::string>& paths) = 0;
    // A key went down in an edit. The key goes on as usual afterwards.
    virtual void KeyDown(const std::string& control, unsigned virtualKey,
                         components::ShiftState shift) = 0;
    // The close box, Escape without a cancel button, Alt+F4.
    virtual void CloseRequested() = 0;
    // A sizable dialog's frame took a new outer size (pixels at 96 dots per inch).
    virtual void Resized(int width, int height) = 0;

  protected:
    ~DialogEvents() = default;
};

} // namespace dialogs
