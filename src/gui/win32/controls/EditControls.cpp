// The kinds that edit a line of text: edit, labelled edit, edit with a right button, numeric
// edit, path field with a browse button.
#include "gui/win32/Pictures.h"
#include "gui/win32/WindowBasics.h"
#include "gui/win32/controls/Kinds.h"
#include "platform/WinText.h"

#include <commctrl.h>

namespace win32face {

namespace {

// A labelled edit's label stands this far above it, this high.
constexpr int kLabelOffset = 19;
constexpr int kLabelHeight = 16;

class Edit : public Control {
  public:
    using Control::Control;
    // Changes by the user only: the logic knows its own.
    void Command(int part, WORD code) override {
        if (part == 0 && code == EN_CHANGE && !setting_) {
            events_.Changed(Name());
        }
    }
    bool ForwardsKeys() const override { return true; }

  protected:
    HWND Make() override { return MakeEdit(0); }
    HWND MakeEdit(DWORD style) {
        return Add(WS_EX_CLIENTEDGE, WC_EDITW, value().Text(),
                   WS_TABSTOP | ES_AUTOHSCROLL | style | (Layout().readOnly ? ES_READONLY : 0));
    }
    std::string ShownText() const override { return TextOf(Window()); }
    void SetShownText(const std::string& text) override {
        setting_ = true;
        SetWindowTextW(Window(), platform::Wide(text).c_str());
        setting_ = false;
    }

  private:
    bool setting_ = false;
};

// Its caption stands as a label above it.
class LabeledEdit : public Edit {
  public:
    using Edit::Edit;
    void Place(const dialogs::Rect& place, UINT dpi, HFONT font) override {
        Edit::Place(place, dpi, font);
        PlaceWindow(label_, {place.left, place.top - kLabelOffset, place.width, kLabelHeight}, dpi,
                    font);
    }
    // The label is as wide as the field.
    int NeededWidth(HFONT font, UINT dpi) const override {
        return TextWidthIn(font, Layout().caption, dpi) + 1;
    }

  protected:
    HWND Make() override {
        label_ = Add(0, WC_STATICW, Layout().caption, SS_LEFT | SS_NOPREFIX, 1);
        return Edit::Make();
    }

  private:
    HWND label_ = nullptr;
};

// A button at its right end, with the layout's picture or "..."; the path field's
// browse button asks the logic for a path.
class EditWithButton : public Edit {
  public:
    using Edit::Edit;
    void Place(const dialogs::Rect& place, UINT dpi, HFONT font) override {
        const int side = place.height;
        Edit::Place({place.left, place.top, place.width - side, place.height}, dpi, font);
        PlaceWindow(button_, {place.left + place.width - side, place.top, side, side}, dpi, font);
    }
    void Command(int part, WORD code) override {
        if (part == 1 && code == BN_CLICKED) {
            events_.Clicked(Name());
        }
        Edit::Command(part, code);
    }

  protected:
    HWND Make() override {
        const HWND edit = Edit::Make();
        const HIMAGELIST picture = PictureImageList(Layout().picture);
        button_ = Add(0, WC_BUTTONW, picture != nullptr ? "" : "...", 0, 1);
        if (picture != nullptr) {
            BUTTON_IMAGELIST image{picture, {}, BUTTON_IMAGELIST_ALIGN_CENTER};
            SendMessageW(button_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&image));
        }
        return edit;
    }

  private:
    HWND button_ = nullptr;
};

// Right-aligned; its number is its text read in the user's number format.
class NumericEdit : public Edit {
  public:
    using Edit::Edit;

  protected:
    HWND Make() override { return MakeEdit(ES_RIGHT); }
    double ShownNumber() const override { return dialogs::NumericEditValue(ShownText()); }
    void SetShownNumber(double value) override { SetShownText(dialogs::NumericEditText(value)); }
};

} // namespace

const Kinds::Maker Kinds::kEdit = kMake<Edit>;
const Kinds::Maker Kinds::kLabeledEdit = kMake<LabeledEdit>;
const Kinds::Maker Kinds::kButtonEdit = kMake<EditWithButton>;
const Kinds::Maker Kinds::kNumericEdit = kMake<NumericEdit>;
const Kinds::Maker Kinds::kPathEdit = kMake<EditWithButton>;

} // namespace win32face
