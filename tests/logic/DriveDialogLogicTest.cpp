// The drive dialog over a recording view: the drive lists, the switch and its message, the
// launch-drive mode and what closing stores.
#include "dialogs/Laufwerksauswahl.h"
#include "logic/LogicFixture.h"
#include "support/PlatformDrives.h"

using dialogs::Tlaufwerksform;
using testing_support::On;

namespace {

class DriveDialogLogicTest : public testing_support::LogicFixture {
  protected:
    std::unique_ptr<dialogs::Tlaufwerksform> Open(Start& start, std::vector<std::string> drives) {
        auto dialog = std::make_unique<dialogs::Tlaufwerksform>(start.state, start.views,
                                                                [drives] { return drives; });
        dialog->Show();
        return dialog;
    }
    static testing_support::FakeDialogView& ViewOf(Start& start) {
        return start.views.View(dialogs::Tlaufwerksform::Form().name);
    }
};

TEST_F(DriveDialogLogicTest, OpensWithTheStoredModeAndTheFirstDriveInBothLists) {
    WriteIni("[laufwerksform]\r\nSektionVorhanden=1\r\nlaufwerkmode=1\r\nsourcedrive=" + On('E') +
             "\r\nsourcedriveI=1\r\n[Check]\r\nWroteSuccesful=1\r\n");
    auto start = NewStart();
    start->state.launch.DriveMode = 2;
    auto dialog = Open(*start, {On('C'), On('E')});
    auto& view = ViewOf(*start);
    EXPECT_EQ(start->state.launch.DriveMode, 1);
    for (dialogs::ControlName list : {Tlaufwerksform::kSourcedrive, Tlaufwerksform::kTargetdrive}) {
        EXPECT_EQ(view.Items(list), (std::vector<std::string>{On('C'), On('E')}));
        EXPECT_EQ(view.Text(list), On('C')) << list.c_str();
    }
}

TEST_F(DriveDialogLogicTest, SwitchMovesTheBindingsInMemoryAndTellsTheCount) {
    auto start = NewStart();
    start->state.table.SetSlot(0, On('C', "Tools/a.exe"), On('C', "Tools"), "");
    start->state.table.SetSlot(1, On('D', "b.exe"), "", "");
    auto dialog = Open(*start, {On('C'), On('D'), On('E')});
    auto& view = ViewOf(*start);
    view.SetNumber(Tlaufwerksform::kTargetdrive, 2);
    view.user.Clicked(Tlaufwerksform::kChangedrivebut);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Es wurde das Laufwerk in 1 Einträgen ersetzt.");
    EXPECT_EQ(view.messages[0].kind, core::MessageKind::Information);
    EXPECT_EQ(view.messages[0].helpContext, 200);
    EXPECT_EQ(start->state.table.Slot(0).Path, On('E', "Tools/a.exe"));
    EXPECT_NE(start->state.table.KeyListText().find(On('E', "Tools/a.exe")), std::string::npos)
        << "the popup's key list shows it before anything is saved";
    EXPECT_EQ(IniText().find("a.exe"), std::string::npos) << "nothing is written yet";
}

TEST_F(DriveDialogLogicTest, NoDriveListedMatchesEverySlotAndChangesNothing) {
    auto start = NewStart();
    start->state.table.SetSlot(0, On('C', "a.exe"), "", "");
    auto dialog = Open(*start, {});
    auto& view = ViewOf(*start);
    view.user.Clicked(Tlaufwerksform::kChangedrivebut);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Es wurde das Laufwerk in 48 Einträgen ersetzt.");
    EXPECT_EQ(start->state.table.Slot(0).Path, On('C', "a.exe"));
}

TEST_F(DriveDialogLogicTest, OkSetsTheModeAndTheCloseBoxOnlyStoresIt) {
    auto start = NewStart();
    auto dialog = Open(*start, {On('C')});
    auto& view = ViewOf(*start);
    EXPECT_EQ(start->state.launch.DriveMode, -1) << "nothing chosen yet";
    view.SetNumber(Tlaufwerksform::kLaufwerkmode, 2);
    view.user.CloseRequested();
    EXPECT_FALSE(view.shown);
    EXPECT_EQ(start->state.launch.DriveMode, -1);
    EXPECT_NE(IniText().find("[laufwerksform]\r\nSektionVorhanden=1\r\n"), std::string::npos);
    EXPECT_NE(IniText().find("laufwerkmode=2\r\n"), std::string::npos);

    dialog.reset();
    dialog = Open(*start, {On('C')});
    auto& again = ViewOf(*start);
    EXPECT_EQ(start->state.launch.DriveMode, 2) << "restored when opened";
    again.SetNumber(Tlaufwerksform::kLaufwerkmode, 1);
    again.user.Clicked(Tlaufwerksform::kOkbut);
    EXPECT_EQ(start->state.launch.DriveMode, 1);
    EXPECT_FALSE(again.shown);
    dialog.reset();
    Restart(start);
    EXPECT_EQ(start->state.launch.DriveMode, 1) << "and it holds from the next start";
}

} // namespace
