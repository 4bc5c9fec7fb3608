// A dialog as its logic describes it: the controls with their places, captions, hints and help
// contexts, which a face creates; the view through which the logic drives the face; and the
// handlers the face calls.
#pragma once

#include "components/ShortCut.h"
#include "config/FormState.h"
#include "core/MessageKind.h"

#include <string>
#include <vector>

namespace dialogs {

// The pictures of the program's image lists.
enum class Picture {
    None,
    Minimize,
    Information,
    Help,
    Drive,
    EditList,
    Install,
    Admin,
    Appearance,
    EndProgram,
    Ok,
};

// The hub's image list, which the tray menu shares: index 0-8 to its picture.
Picture HubImage(int index);

enum class ControlType {
    Button,
    CheckBox,
    LabeledEdit, // an edit with its label above it
};

struct ControlLayout {
    std::string name; // also its INI key
    ControlType type;
    int left, top, width, height; // client pixels at 96 dots per inch
    std::string caption;          // a button's or check box's caption, an edit's label
    std::string text{};           // an edit's first text
    int helpContext = 0;
    int tabOrder = 0;
    Picture picture = Picture::None;
    std::string hint{}; // "title|text"
    bool readOnly = false;
    bool capturesShortcut = false; // every key combination, Alt with a letter too, is its own
    bool isDefault = false;        // the button Enter presses unless another button has focus
    bool enabled = true;
};

enum class FrameKind {
    Dialog,     // fixed size, title bar with close box
    ToolWindow, // the same with a small title bar
};

struct FormLayout {
    std::string name; // also its INI section
    std::string caption;
    FrameKind frame;
    int clientWidth, clientHeight;
    int helpContext;
    std::vector<ControlLayout> controls; // in creation order

    const ControlLayout* Find(const std::string& control) const;
    // The controls whose values the dialog keeps, with the way each is written.
    std::vector<config::StoredControl> StoredControls() const;
};

// What a dialog's logic asks of a face, besides the values of its controls.
class DialogView : public config::FormControls {
  public:
    virtual bool IsShown() const = 0;
    virtual void ShowForm() = 0; // shown modeless, in front
    virtual void FocusForm() = 0;
    virtual void HideForm() = 0;
    virtual void ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) = 0;
    virtual void ShowHelp(int helpContext) = 0;

  protected:
    ~DialogView() = default;
};

// The handlers a face calls.
class FormLogic {
  public:
    virtual const FormLayout& Layout() const = 0;
    // Every close by the user (close box, Escape, Alt+F4); the face then hides the dialog.
    virtual void FormClose() = 0;
    virtual void Click(const std::string& control) = 0;
    // A key went down in an edit. The key goes on as usual afterwards.
    virtual void KeyDown(const std::string& control, unsigned virtualKey,
                         components::ShiftState shift) = 0;

  protected:
    ~FormLogic() = default;
};

} // namespace dialogs
