// The Win32 face draws every control kind and asks every question as the logic expects: a
// dialog with one control of each kind, driven by messages as the Qt face's test drives it.
#include "support/EveryKind.h"
#include "win32/FaceFixture_win.h"

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

TEST_F(ConformanceTest, EveryQuestionIsAnsweredFromTheSeam) {
    testing_support::QueueAnswers(answers_);
    testing_support::ExpectEveryQuestionAnswered(view_, answers_);
}

} // namespace
