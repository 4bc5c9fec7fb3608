// A dialog as its logic describes it: its frame and the controls with their kinds, places,
// captions, items, hints and help contexts. Each face draws every kind with one class of its own.
#pragma once

#include "config/FormState.h"
#include "dialogs/ControlName.h"

#include <optional>
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
    Cancel,
    Change,
    Delete,
    Add,
    Browse,
};

// The hub's image list, which the tray menu shares: index 0-8 to its picture.
Picture HubImage(int index);

// What a control's Text and Number are (see DialogView).
enum class ControlKind {
    Label,        // text: its caption
    Button,       // text: its caption; clicked
    CheckBox,     // number: 1 ticked, 0 not; text: its caption; changed
    Edit,         // text
    LabeledEdit,  // text; its caption is the label above it
    ButtonEdit,   // text; a button at its right end is clicked
    DropDownList, // number: the chosen item, -1 none; text: that item's text; items; changed
    RadioGroup,   // number: the chosen item, -1 none; caption; items; changed
    GroupBox,     // a frame holding controls (their places are inside it)
    NumericEdit,  // text as typed; number: the text read in the user's number format
    ColorButton,  // number: its colour (0x00BBGGRR or 0xFF0000nn); clicked
    PathEdit,     // text: the path; its browse button is clicked
    Grid,         // rows of cells (row 0 the header, column 0 fixed); number: chosen row, -1
                  // none; double clicked
    StatusBar,    // text
};

// What a path field's browse button offers; the logic may change it while the dialog is open.
struct PathOptions {
    bool folders = false;     // a folder chooser instead of a file chooser
    std::string title{};      // the chooser's title
    std::string filter{};     // "description|pattern|...", for files
    std::string defaultExt{}; // without its dot, for files
};

// Where a control sits: at its place, or along an edge of the client area (full width, its
// height kept), or in what is left of the client area.
enum class Dock { None, Bottom, Fill };

struct ControlLayout {
    std::string name; // also its INI key
    ControlKind kind;
    int left, top, width, height; // client pixels at 96 dots per inch (in its group box)
    std::string caption{};        // a button's, check box's or radio group's caption, a label
    std::string text{};           // an edit's first text
    int helpContext = 0;
    int tabOrder = 0; // among the controls of the same group box
    Picture picture = Picture::None;
    std::string hint{};               // "title|text"
    std::vector<std::string> items{}; // a radio group's or drop-down list's items
    int columns = 1;                  // a radio group's columns, a grid's columns
    std::string parent{};             // the group box it stands in
    Dock dock = Dock::None;
    PathOptions path{}; // a path field's chooser
    bool readOnly = false;
    bool capturesShortcut = false; // every key combination, Alt with a letter too, is its own
    bool acceptsFiles = false;     // files and folders may be dropped on it
    bool isDefault = false;        // the button Enter presses unless another button has focus
    bool isCancel = false;         // the button Escape presses; without one Escape closes
    bool enabled = true;
};

enum class FrameKind {
    Dialog,     // fixed size, title bar with close box
    ToolWindow, // the same with a small title bar
    Sizable,    // a frame the user can size
};

struct Rect {
    int left, top, width, height;
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && width == other.width &&
               height == other.height;
    }
};

// A point on the screen, in screen pixels.
struct ScreenPoint {
    int left, top;
};

struct DialogLayout {
    std::string name; // also its INI section
    std::string caption;
    FrameKind frame;
    int clientWidth, clientHeight;
    int helpContext;
    std::vector<ControlLayout> controls; // in creation order, a group box before its controls
    // Where its window's frame first stands; none: centred over its owner or on its screen.
    std::optional<ScreenPoint> firstPlace{};

    const ControlLayout* Find(const std::string& control) const;
    // The order Tab walks: by tab order, a group box's controls where the box stands.
    std::vector<const ControlLayout*> TabOrder() const;
    // The control's place in its parent (the client area or its group box) for a client area
    // of that size at 96 dots per inch: docked controls follow the size.
    Rect PlaceOf(const ControlLayout& control, int clientWidth, int clientHeight) const;
    // The controls whose values the dialog keeps, with the way each is written.
    std::vector<config::StoredControl> StoredControls() const;
};

// One control of a layout, written as it stands in the window:
//   Button(kOkbut).At(16, 12, 100, 35).Caption("OK").Help(200).Default()
// What is not said keeps the default of ControlLayout.
class ControlBuilder {
  public:
    ControlBuilder(ControlKind kind, ControlName name);

    ControlBuilder& At(int left, int top, int width, int height);
    ControlBuilder& Caption(std::string caption);
    ControlBuilder& Text(std::string text);
    ControlBuilder& Help(int helpContext);
    ControlBuilder& Tab(int tabOrder);
    ControlBuilder& Image(Picture picture);
    ControlBuilder& Hint(std::string hint); // "title|text"
    ControlBuilder& Items(std::vector<std::string> items);
    ControlBuilder& Columns(int columns);
    ControlBuilder& In(ControlName groupBox);
    ControlBuilder& Docked(Dock dock);
    ControlBuilder& Browse(PathOptions options);
    ControlBuilder& ReadOnly();
    ControlBuilder& CapturesShortcut();
    ControlBuilder& AcceptsFiles();
    ControlBuilder& Default();
    ControlBuilder& Cancel();

    operator ControlLayout() const { return control_; }

  private:
    ControlLayout control_;
};

// A builder per kind that the dialogs use.
inline ControlBuilder Label(ControlName name) {
    return {ControlKind::Label, name};
}
inline ControlBuilder Button(ControlName name) {
    return {ControlKind::Button, name};
}
inline ControlBuilder CheckBox(ControlName name) {
    return {ControlKind::CheckBox, name};
}
inline ControlBuilder LabeledEdit(ControlName name) {
    return {ControlKind::LabeledEdit, name};
}
inline ControlBuilder ButtonEdit(ControlName name) {
    return {ControlKind::ButtonEdit, name};
}
inline ControlBuilder DropDownList(ControlName name) {
    return {ControlKind::DropDownList, name};
}
inline ControlBuilder RadioGroup(ControlName name) {
    return {ControlKind::RadioGroup, name};
}
inline ControlBuilder GroupBox(ControlName name) {
    return {ControlKind::GroupBox, name};
}
inline ControlBuilder NumericEdit(ControlName name) {
    return {ControlKind::NumericEdit, name};
}
inline ControlBuilder ColorButton(ControlName name) {
    return {ControlKind::ColorButton, name};
}
inline ControlBuilder PathEdit(ControlName name) {
    return {ControlKind::PathEdit, name};
}
inline ControlBuilder Grid(ControlName name) {
    return {ControlKind::Grid, name};
}
inline ControlBuilder StatusBar(ControlName name) {
    return {ControlKind::StatusBar, name};
}

} // namespace dialogs
