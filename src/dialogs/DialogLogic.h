// What every dialog's logic shares: its view made from its layout, showing and closing, the
// form state, error reporting, and the tables that lead a face's events to the handlers.
// A colour button's click asks for a colour and a path field's browse button for a path; the
// control then takes the answer, and its own handlers, if any, run after that.
#pragma once

#include "core/ProgramState.h"
#include "dialogs/ControlName.h"
#include "dialogs/ViewFactory.h"

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace dialogs {

class DialogLogic : public DialogEvents {
  public:
    virtual ~DialogLogic();
    DialogLogic(const DialogLogic&) = delete;
    DialogLogic& operator=(const DialogLogic&) = delete;

    const DialogLayout& Layout() const { return layout_; }

    // A hidden dialog runs FormShow and is shown modeless; a shown one comes to the front.
    void Show();
    // FormShow, then shown modal until it closes; how it was closed.
    Closed ShowModal();
    // FormClose, then hidden; a modal show returns how.
    void Close(Closed how = Closed::Ok);
    bool IsShown() const { return view_.IsShown(); }
    // Its window stands above owner's and comes up centred over it.
    void SetOwner(DialogLogic& owner) { view_.SetOwner(owner.view_); }

    // The controls that have a handler, each once.
    std::vector<std::string> HandledControls() const;

    void Clicked(const std::string& control) override;
    void Changed(const std::string& control) override;
    void DoubleClicked(const std::string& control) override;
    void FilesDropped(const std::string& control, int row,
                      const std::vector<std::string>& paths) override;
    void KeyDown(const std::string& control, unsigned virtualKey,
                 components::ShiftState shift) override;
    void CloseRequested() override;
    void Resized(int width, int height) override;

  protected:
    DialogLogic(core::ProgramState& state, ViewFactory& views, const DialogLayout& layout);

    virtual void FormShow() {}
    virtual void FormClose() {}

    using Handler = std::function<void()>;
    // The grid's row under the drop (-1 none) and the first file dropped.
    using DropHandler = std::function<void(int row, const std::string& path)>;
    using KeyHandler = std::function<void(unsigned virtualKey, components::ShiftState shift)>;
    void OnClick(ControlName control, Handler handler);
    void OnChange(ControlName control, Handler handler);
    void OnDoubleClick(ControlName control, Handler handler);
    // Without a handler, a path field takes the dropped path (a folder field a file's folder).
    void OnDrop(ControlName control, DropHandler handler);
    void OnKeyDown(ControlName control, KeyHandler handler);
    void OnResize(std::function<void(int width, int height)> handler);

    // What a path field's browse button offers from now on.
    void SetPathOptions(ControlName control, const PathOptions& options);

    // The stored controls from the dialog's section; an error of the file is reported and the
    // dialog goes on. True when a save had written the section.
    bool LoadFormState();
    bool SaveFormState(); // false when it could not be written, which it has told

    void ShowMessage(core::MessageKind kind, const std::string& text, int helpContext);
    // The general error handling: the error's text as an error message; the program runs on.
    void ReportError(const std::exception& error);

    core::ProgramState& state_;
    ViewFactory& views_;
    const DialogLayout& layout_;

  private:
    std::unique_ptr<DialogView> ownView_; // made before view_ refers to it

  protected:
    DialogView& view_;

  private:
    void ChooseColor(const std::string& control);
    void ChoosePath(const std::string& control);

    std::map<std::string, Handler> clicks_;
    std::map<std::string, Handler> changes_;
    std::map<std::string, Handler> doubleClicks_;
    std::map<std::string, DropHandler> drops_;
    std::map<std::string, KeyHandler> keys_;
    std::function<void(int, int)> resize_;
    std::map<std::string, PathOptions> paths_;
};

} // namespace dialogs
