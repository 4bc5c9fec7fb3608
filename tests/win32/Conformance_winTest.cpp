// The Win32 face draws every control kind and asks every question as the logic expects: a
// dialog with one control of each kind, driven by messages as the Qt face's test drives it. And
// it draws every dialog with its captions whole.
#include "gui/win32/WindowBasics.h"
#include "support/EveryKind.h"
#include "win32/FaceFixture_win.h"

#include <string>
#include <vector>

#include <commctrl.h>

namespace {

using dialogs::ControlKind;
using testing_support::NameOf;

class ConformanceTest : public testing_support::FaceTest {
  protected:
    ConformanceTest() { state_.location = location_; }

    HWND WindowOf(ControlKind kind) { return view_.Control(NameOf(kind)); }

    core::ProgramState state_;
    win32face::Faces faces_;
    testing_support::EveryKindDialog dialog_{state_, faces_};
    win32face::Dialog& view_ = faces_.DialogNamed("EveryKind");
};

TEST_F(ConformanceTest, EveryKindHoldsItsValueBeforeAndAfterItsWindowIsMade) {
    testing_support::SetSamples(view_, 0);
    view_.Window();
    testing_support::ExpectSamples(view_, 0);
    testing_support::SetSamples(view_, 1);
    testing_support::ExpectSamples(view_, 1);
}

TEST_F(ConformanceTest, TheUsersDoingsReachTheLogic) {
    testing_support::SetSamples(view_, 0);
    dialog_.Show();
    SendMessageW(WindowOf(ControlKind::Button), BM_CLICK, 0, 0);
    SendMessageW(WindowOf(ControlKind::CheckBox), BM_CLICK, 0, 0);
    SendMessageW(FindWindowExW(view_.Window(), nullptr, WC_BUTTONW, L"drei"), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog_.clicked, std::vector<std::string>{NameOf(ControlKind::Button)});
    EXPECT_EQ(dialog_.changed, (std::vector<std::string>{NameOf(ControlKind::CheckBox),
                                                         NameOf(ControlKind::RadioGroup)}));
    EXPECT_EQ(view_.Number(NameOf(ControlKind::RadioGroup)), 2);

    const HWND grid = WindowOf(ControlKind::Grid);
    RECT row{LVIR_LABEL, 0, 0, 0};
    SendMessageW(grid, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    SendMessageW(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 4, row.top + 4));
    EXPECT_EQ(dialog_.doubleClicked, std::vector<std::string>{NameOf(ControlKind::Grid)});

    answers_.paths = {std::string("C:\\neu\\pfad")};
    answers_.colors = {0x0000FF};
    // The browse button stands right after its field.
    SendMessageW(GetWindow(WindowOf(ControlKind::PathEdit), GW_HWNDNEXT), BM_CLICK, 0, 0);
    SendMessageW(WindowOf(ControlKind::ColorButton), BM_CLICK, 0, 0);
    EXPECT_EQ(view_.Text(NameOf(ControlKind::PathEdit)), "C:\\neu\\pfad");
    EXPECT_EQ(view_.Number(NameOf(ControlKind::ColorButton)), 0x0000FF);

    SendMessageW(view_.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog_.closes, 1);
    EXPECT_FALSE(view_.IsShown());
}

// Where the layout accepts files: the path field, and the grid with the row under the drop.
TEST_F(ConformanceTest, FilesDroppedReachTheLogicWithTheirControlAndRow) {
    testing_support::SetSamples(view_, 0);
    dialog_.Show();
    const auto dropAt = [&](HWND target, POINT at) {
        MapWindowPoints(target, view_.Window(), &at, 1);
        SendMessageW(view_.Window(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(testing_support::DropOf("C:\\a b", at)), 0);
    };
    const HWND grid = WindowOf(ControlKind::Grid);
    RECT row{LVIR_LABEL, 0, 0, 0};
    SendMessageW(grid, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    dropAt(grid, {row.left + 4, row.top + 4});
    dropAt(WindowOf(ControlKind::PathEdit), {4, 4});
    dropAt(WindowOf(ControlKind::Edit), {4, 4});
    EXPECT_EQ(dialog_.dropped,
              (std::vector<std::string>{NameOf(ControlKind::Grid) + " 2 C:\\a b",
                                        NameOf(ControlKind::PathEdit) + " -1 C:\\a b"}));
}

TEST_F(ConformanceTest, EveryQuestionIsAnsweredFromTheSeam) {
    testing_support::QueueAnswers(answers_);
    testing_support::ExpectEveryQuestionAnswered(view_, answers_);
}

// A window's text as it draws it, in its own font, on one line; in pixels.
int OneLineWidth(HWND window, UINT format) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    const HDC dc = GetDC(window);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    RECT room{0, 0, 0, 0};
    DrawTextW(dc, text, -1, &room, DT_CALCRECT | DT_SINGLELINE | format);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return room.right;
}

// Whatever text a window of a dialog shows fits it in its font: a label's text on one line, a
// button's, check box's, radio button's or group box's text with its parts at its ideal size,
// the title beside the icon and the caption boxes (a dialog's also in the dialogs' font in bold
// and with three boxes, as a window manager may draw its frame). And the controls that grew moved
// no control under another.
TEST(CaptionTest, EveryCaptionOfEveryDialogShowsWholeAndNoControlCoversAnother) {
    testing_support::IgnoredEvents events;
    for (const dialogs::DialogLayout* layout : testing_support::EveryDialogLayout()) {
        SCOPED_TRACE(layout->name);
        win32face::Dialog view(*layout, events);
        const HWND dialog = view.Window();
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t kind[64] = {};
            GetClassNameW(child, kind, 64);
            RECT place{};
            GetClientRect(child, &place);
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
            SCOPED_TRACE(std::to_string(GetDlgCtrlID(child)));
            if (lstrcmpiW(kind, WC_STATICW) == 0) {
                EXPECT_LE(OneLineWidth(child, (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0),
                          place.right);
            } else if (lstrcmpiW(kind, WC_BUTTONW) == 0 && GetWindowTextLengthW(child) > 0) {
                SIZE ideal{};
                SendMessageW(child, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
                EXPECT_LE(ideal.cx, place.right);
            }
        }
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        const bool small = layout->frame == dialogs::FrameKind::ToolWindow;
        std::vector<HFONT> fonts{CreateFontIndirectW(&metrics.lfSmCaptionFont)};
        if (!small) {
            fonts = {CreateFontIndirectW(&metrics.lfCaptionFont),
                     win32face::CreateTahoma(-13, FW_BOLD)};
        }
        RECT frame{};
        GetWindowRect(dialog, &frame);
        for (const HFONT font : fonts) {
            const HDC dc = GetDC(dialog);
            const HGDIOBJ old = SelectObject(dc, font);
            wchar_t title[256] = {};
            GetWindowTextW(dialog, title, 256);
            SIZE text{};
            GetTextExtentPoint32W(dc, title, lstrlenW(title), &text);
            SelectObject(dc, old);
            ReleaseDC(dialog, dc);
            DeleteObject(font);
            EXPECT_LE(text.cx + (small ? metrics.iSmCaptionWidth : 3 * metrics.iCaptionWidth) +
                          GetSystemMetrics(SM_CXSMICON),
                      frame.right - frame.left)
                << "the title";
        }
        for (const dialogs::ControlLayout& a : layout->controls) {
            for (const dialogs::ControlLayout& b : layout->controls) {
                RECT first{}, second{}, both{};
                GetWindowRect(view.Control(a.name), &first);
                GetWindowRect(view.Control(b.name), &second);
                if (&a != &b && a.parent == b.parent) {
                    EXPECT_FALSE(IntersectRect(&both, &first, &second))
                        << a.name << " and " << b.name;
                }
            }
        }
    }
}

} // namespace
