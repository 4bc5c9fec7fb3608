// The kinds that show a caption or a text: label, button, check box, group box, colour button,
// status bar.
#include "gui/win32/Pictures.h"
#include "gui/win32/WindowBasics.h"
#include "gui/win32/controls/Kinds.h"
#include "platform/WinText.h"

#include <commctrl.h>

namespace win32face {

namespace {

constexpr int kPictureMargin = 6;
// A group box's frame line and the gap on either side of its caption.
constexpr int kGroupPadding = 10;

class Label : public Control {
  public:
    using Control::Control;
    int NeededWidth(HFONT font, UINT dpi) const override { return CaptionWidth(font, dpi) + 1; }

  protected:
    HWND Make() override { return Add(0, WC_STATICW, value().Text(), SS_LEFT); }
    std::string ShownText() const override { return TextOf(Window()); }
    void SetShownText(const std::string& text) override {
        SetWindowTextW(Window(), platform::Wide(text).c_str());
    }
};

class Button : public Control {
  public:
    using Control::Control;
    void Command(int, WORD code) override {
        if (code == BN_CLICKED) {
            events_.Clicked(Name());
        }
    }
    bool IsPushButton() const override { return true; }
    int NeededWidth(HFONT font, UINT dpi) const override { return IdealWidth(font, dpi); }

  protected:
    HWND Make() override {
        const HWND button = Add(0, WC_BUTTONW, value().Text(),
                                WS_TABSTOP | (Layout().isDefault ? BS_DEFPUSHBUTTON : 0));
        SetPicture(button, PictureImageList(Layout().picture));
        return button;
    }
    std::string ShownText() const override { return TextOf(Window()); }
    void SetShownText(const std::string& text) override {
        SetWindowTextW(Window(), platform::Wide(text).c_str());
    }
    static void SetPicture(HWND button, HIMAGELIST picture) {
        if (picture != nullptr) {
            BUTTON_IMAGELIST image{picture, {kPictureMargin, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
            SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&image));
        }
    }
};

class CheckBox : public Label {
  public:
    using Label::Label;
    void Command(int, WORD code) override {
        if (code == BN_CLICKED) {
            events_.Changed(Name());
        }
    }
    int NeededWidth(HFONT font, UINT dpi) const override { return IdealWidth(font, dpi); }

  protected:
    HWND Make() override {
        return Add(0, WC_BUTTONW, value().Text(), WS_TABSTOP | BS_AUTOCHECKBOX);
    }
    double ShownNumber() const override {
        return SendMessageW(Window(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
    void SetShownNumber(double value) override {
        SendMessageW(Window(), BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
};

class GroupBox : public Label {
  public:
    using Label::Label;
    int NeededWidth(HFONT font, UINT dpi) const override {
        return CaptionWidth(font, dpi) + 2 * kGroupPadding;
    }

  protected:
    HWND Make() override { return Add(0, WC_BUTTONW, value().Text(), BS_GROUPBOX); }
};

// A button that paints its colour as a swatch beside its caption; the logic asks for a colour.
class ColorButton : public Button {
  public:
    using Button::Button;
    ~ColorButton() override { Forget(); }

  protected:
    void SetShownNumber(double) override { Paint(Window()); }

  private:
    void Paint(HWND button) {
        Forget();
        swatch_ = ImageList_Create(16, 16, ILC_COLOR32, 1, 0);
        const HDC screen = GetDC(nullptr);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        const HDC dc = CreateCompatibleDC(screen);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        const HBRUSH fill = CreateSolidBrush(ColorRefOf(static_cast<int>(value().Number())));
        const HGDIOBJ oldBrush = SelectObject(dc, fill);
        Rectangle(dc, 0, 0, 16, 16);
        SelectObject(dc, oldBrush);
        SelectObject(dc, old);
        DeleteObject(fill);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        ImageList_Add(swatch_, bitmap, nullptr);
        DeleteObject(bitmap);
        SetPicture(button, swatch_);
    }
    void Forget() {
        if (swatch_ != nullptr) {
            ImageList_Destroy(swatch_);
        }
        swatch_ = nullptr;
    }

    HIMAGELIST swatch_ = nullptr;
};

// Placed where the layout says; one part over its whole width.
class StatusBar : public Control {
  public:
    using Control::Control;

  protected:
    HWND Make() override {
        const HWND bar = Add(0, STATUSCLASSNAMEW, "", CCS_NOPARENTALIGN | CCS_NORESIZE);
        int whole = -1;
        SendMessageW(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
        return bar;
    }
    std::string ShownText() const override {
        const auto length = LOWORD(SendMessageW(Window(), SB_GETTEXTLENGTHW, 0, 0));
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(Window(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
        text.resize(length);
        return platform::Narrow(text);
    }
    void SetShownText(const std::string& text) override {
        const std::wstring wide = platform::Wide(text);
        SendMessageW(Window(), SB_SETTEXTW, SBT_NOBORDERS, reinterpret_cast<LPARAM>(wide.c_str()));
    }
};

} // namespace

const Kinds::Maker Kinds::kLabel = kMake<Label>;
const Kinds::Maker Kinds::kButton = kMake<Button>;
const Kinds::Maker Kinds::kCheckBox = kMake<CheckBox>;
const Kinds::Maker Kinds::kGroupBox = kMake<GroupBox>;
const Kinds::Maker Kinds::kColorButton = kMake<ColorButton>;
const Kinds::Maker Kinds::kStatusBar = kMake<StatusBar>;

} // namespace win32face
