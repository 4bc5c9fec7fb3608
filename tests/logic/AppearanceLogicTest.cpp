// The appearance dialog over a recording view: what it shows, stores and hands to the popup.
#include "dialogs/EinstellungenHauptformular.h"
#include "dialogs/Laufwerksauswahl.h"
#include "logic/LogicFixture.h"
#include "platform/Locale.h"

using dialogs::TEinstellungenHaupt;
using dialogs::THauptformular;

namespace {

class AppearanceLogicTest : public testing_support::LogicFixture {
  protected:
    std::unique_ptr<dialogs::TEinstellungenHaupt> Open(Start& start) {
        auto dialog = std::make_unique<dialogs::TEinstellungenHaupt>(start.state, start.launcher,
                                                                     start.views);
        dialog->Show();
        return dialog;
    }
    static testing_support::FakeDialogView& ViewOf(Start& start) {
        return start.views.View(dialogs::TEinstellungenHaupt::Form().name);
    }
};

TEST_F(AppearanceLogicTest, ClosingUnchangedOnAFreshInstallationWritesTheDesignValues) {
    auto start = NewStart();
    auto dialog = Open(*start);
    auto& view = ViewOf(*start);
    EXPECT_EQ(view.Number(TEinstellungenHaupt::kBlinkfrequenz), 200);
    EXPECT_EQ(view.Number(TEinstellungenHaupt::kBreite), 100);
    EXPECT_EQ(view.Number(TEinstellungenHaupt::kStil), -1);
    EXPECT_EQ(view.Number(TEinstellungenHaupt::kFarbe1), 255);
    EXPECT_EQ(static_cast<int>(view.Number(TEinstellungenHaupt::kFarbe2)),
              static_cast<int>(0xFF000001u));
    view.user.CloseRequested();
    EXPECT_EQ(IniText(), "[EinstellungenHaupt]\r\nSektionVorhanden=1\r\nblinkfrequenz=200\r\n"
                         "breite=100\r\nhoehe=100\r\nStil=-1\r\n\r\n[Check]\r\n"
                         "WroteSuccesful=1\r\n\r\n[Farben]\r\nFarbe1=255\r\nFarbe2=-16777215\r\n"
                         "\r\n");
    EXPECT_EQ(start->main.bounds.width, 100) << "the popup takes the dialog's size at once";
    EXPECT_EQ(start->main.bounds.height, 100);
    EXPECT_TRUE(start->main.bareFrames.empty()) << "no style chosen: the frame stays";
}

// "150,7" under a German locale: applied as 150 at once, stored as typed, and still 150 at the
// next start.
TEST_F(AppearanceLogicTest, FractionIsAppliedByItsIntegerPartAndStoredAsTyped) {
    const std::string typed = std::string("150") + platform::DecimalSeparator() + "7";
    auto start = NewStart();
    auto dialog = Open(*start);
    ViewOf(*start).SetText(TEinstellungenHaupt::kBlinkfrequenz, typed);
    ViewOf(*start).user.Clicked(TEinstellungenHaupt::kOKButton);
    EXPECT_EQ(start->main.blinkInterval, 150);
    EXPECT_NE(IniText().find("blinkfrequenz=" + typed + "\r\n"), std::string::npos) << IniText();
    dialog.reset();
    Restart(start);
    EXPECT_EQ(start->main.blinkInterval, 150);
}

TEST_F(AppearanceLogicTest, OkWithAnUnwritableFileTellsItOnceAndNeitherAppliesNorCloses) {
    auto start = NewStart();
    auto dialog = Open(*start);
    start->state.location.IniPath = folder_.Path("no-such-folder/Tippomat.ini");
    ViewOf(*start).SetText(TEinstellungenHaupt::kBlinkfrequenz, "150");
    ViewOf(*start).user.Clicked(TEinstellungenHaupt::kOKButton);
    EXPECT_EQ(ViewOf(*start).messages.size(), 1u);
    EXPECT_TRUE(ViewOf(*start).shown);
    EXPECT_NE(start->main.blinkInterval, 150);
}

TEST_F(AppearanceLogicTest, FramesApplyAtOnceAndTheCircleAtTheNextStart) {
    auto start = NewStart();
    for (int style : {core::kStyleNormal, core::kStyleBorderless, core::kStyleCircle}) {
        auto dialog = Open(*start);
        ViewOf(*start).SetNumber(TEinstellungenHaupt::kStil, style);
        ViewOf(*start).user.Clicked(TEinstellungenHaupt::kOKButton);
    }
    EXPECT_EQ(start->main.bareFrames, (std::vector<bool>{true, true, false, false}))
        << "OK and its close apply once each; the circle changes nothing now";
    Restart(start);
    EXPECT_EQ(start->main.frameStyle, core::kStyleCircle);
}

TEST_F(AppearanceLogicTest, ChosenColourIsStoredAndShownAndTheSystemColourStaysUnlessReplaced) {
    auto start = NewStart();
    auto dialog = Open(*start);
    auto& view = ViewOf(*start);
    view.colors = {0x00FF00, std::nullopt};
    view.user.Clicked(TEinstellungenHaupt::kFarbe1);
    view.user.Clicked(TEinstellungenHaupt::kFarbe2);
    EXPECT_EQ(view.colorQuestions, (std::vector<int>{255, static_cast<int>(0xFF000001u)}));
    view.user.CloseRequested();
    EXPECT_NE(IniText().find("Farbe1=65280\r\nFarbe2=-16777215\r\n"), std::string::npos);
    start->launcher.Hotkeyhotkey();
    start->launcher.Timertimer();
    EXPECT_EQ(start->main.background, 0x00FF00);
}

// Both dialogs are reached from the hub and the tray menu; every opening makes a new one.
TEST_F(AppearanceLogicTest, HubAndTrayMenuOpenANewDialogEachTime) {
    auto start = NewStart();
    start->launcher.MenuClick(core::MenuItem::Aussehen1);
    auto& first = ViewOf(*start);
    EXPECT_TRUE(first.shown);
    start->hub.Clicked(THauptformular::kAussehenbut);
    auto& second = ViewOf(*start);
    EXPECT_NE(&first, &second);
    EXPECT_TRUE(second.shown);
    second.SetNumber(TEinstellungenHaupt::kBreite, 140);
    second.user.CloseRequested();
    EXPECT_EQ(start->main.bounds.width, 140);
    start->launcher.MenuClick(core::MenuItem::Laufwerkwechseln1);
    EXPECT_TRUE(start->views.View(dialogs::Tlaufwerksform::Form().name).shown);
}

} // namespace
