// Changes that another program makes to the INI file while the program runs: taken once the file
// reads the same twice, never for the program's own writes, and merged into a save of the list
// editor, with a question where both sides changed the same key.
#include "dialogs/ConfigFollower.h"
#include "dialogs/Programmliste.h"
#include "logic/LogicFixture.h"

namespace {

using dialogs::Answer;
using dialogs::THauptformular;

// The watch as a face would run it: the test says when the folder changed.
class FakeFileWatch : public dialogs::FileWatch {
  public:
    void Follow(const std::vector<std::string>& files, std::function<void()> changed,
                std::function<void()> again) override {
        followed = files;
        changed_ = std::move(changed);
        again_ = std::move(again);
    }
    void CheckAgainSoon() override { ++askedAgain; }
    void Changed() { changed_(); }
    void Again() { again_(); }

    std::vector<std::string> followed;
    int askedAgain = 0;

  private:
    std::function<void()> changed_;
    std::function<void()> again_;
};

constexpr char kTwoBindings[] = "[Check]\r\nWroteSuccesful=1\r\n[Buchstaben]\r\nA=/werkzeug/a\r\n"
                                "B=/werkzeug/b\r\n";

class OutsideChangeLogicTest : public testing_support::LogicFixture {
  protected:
    OutsideChangeLogicTest() {
        WriteIni("[Check]\r\nWroteSuccesful=1\r\n[Buchstaben]\r\nA=/werkzeug/a\r\n");
        start_ = NewStart();
        follower_ =
            std::make_unique<dialogs::ConfigFollower>(start_->state, start_->program, watch_);
    }
    // A change seen, and the same file seen again a moment later.
    void ChangedAndSettled() {
        watch_.Changed();
        watch_.Again();
    }
    dialogs::Tprogrammliste& OpenList() {
        start_->hub.Clicked(THauptformular::kEditbutton);
        return dynamic_cast<dialogs::Tprogrammliste&>(
            start_->views.View(dialogs::Tprogrammliste::Form().name).user);
    }
    const std::string& Path(int slot) const { return start_->state.table.Slot(slot).Path; }

    FakeFileWatch watch_;
    std::unique_ptr<Start> start_;
    std::unique_ptr<dialogs::ConfigFollower> follower_;
};

TEST_F(OutsideChangeLogicTest, FileIsTakenOnlyOnceTwoReadsAgree) {
    EXPECT_EQ(watch_.followed, std::vector<std::string>{location_.IniPath});
    WriteIni("[Check]\r\nWroteSuccesful=1\r\n[Buchst");
    watch_.Changed();
    EXPECT_EQ(watch_.askedAgain, 1) << "read again a moment later";
    WriteIni(kTwoBindings);
    watch_.Again();
    EXPECT_EQ(Path(0), "/werkzeug/a") << "a file still being written is not taken";
    EXPECT_EQ(Path(1), "");
    watch_.Changed();
    EXPECT_EQ(Path(1), "") << "two changes are no moment apart";
    watch_.Again();
    EXPECT_EQ(Path(1), "/werkzeug/b");
    EXPECT_NE(start_->state.table.KeyListText().find("B:  /werkzeug/b"), std::string::npos);
}

TEST_F(OutsideChangeLogicTest, BindingsChangedBeforeTheWatchBeganAreTaken) {
    follower_.reset();
    WriteIni(kTwoBindings);
    follower_ = std::make_unique<dialogs::ConfigFollower>(start_->state, start_->program, watch_);
    EXPECT_EQ(Path(1), "/werkzeug/b");
}

TEST_F(OutsideChangeLogicTest, OwnWritesAreNoChange) {
    start_->state.table.SetSlot(2, "/werkzeug/c", "", "");
    OpenList().OkbutClick();
    start_->state.table.SetSlot(2, "/anders", "", ""); // unsaved, so a reload would show
    ChangedAndSettled();
    EXPECT_EQ(watch_.askedAgain, 0);
    EXPECT_EQ(Path(2), "/anders");
}

TEST_F(OutsideChangeLogicTest, HotkeyAndLookAreTakenAtOnce) {
    WriteIni(std::string(kTwoBindings) +
             "[Hauptformular]\r\nSektionVorhanden=1\r\nkuerzel=Strg+Alt+K\r\n"
             "[EinstellungenHaupt]\r\nbreite=150\r\n");
    ChangedAndSettled();
    EXPECT_EQ(start_->state.hotkey.Key(), 0xC04B);
    EXPECT_TRUE(BothHotkeysHeld(*start_));
    EXPECT_EQ(start_->main.bounds.width, 150);
}

TEST_F(OutsideChangeLogicTest, OpenListEditorKeepsItsTableAndItsOkMergesOtherKeys) {
    dialogs::Tprogrammliste& list = OpenList();
    start_->state.table.SetSlot(2, "/werkzeug/c", "", "");
    WriteIni(kTwoBindings);
    ChangedAndSettled();
    EXPECT_EQ(Path(1), "") << "the open list shows the table as it was";
    list.OkbutClick();
    EXPECT_EQ(Path(1), "/werkzeug/b");
    EXPECT_EQ(Path(2), "/werkzeug/c");
    EXPECT_NE(IniText().find("\r\nB=/werkzeug/b\r\n"), std::string::npos) << IniText();
    EXPECT_NE(IniText().find("\r\nC=/werkzeug/c\r\n"), std::string::npos);
    EXPECT_TRUE(start_->views.View(dialogs::Tprogrammliste::Form().name).messages.empty());
}

TEST_F(OutsideChangeLogicTest, ListEditorClosedWithoutSavingTakesTheWaitingChange) {
    dialogs::Tprogrammliste& list = OpenList();
    start_->state.table.SetSlot(2, "/werkzeug/c", "", "");
    WriteIni(kTwoBindings);
    ChangedAndSettled();
    list.CloseRequested();
    EXPECT_EQ(Path(1), "/werkzeug/b");
    EXPECT_EQ(Path(2), "/werkzeug/c") << "the unsaved change stays";
}

TEST_F(OutsideChangeLogicTest, SameKeyChangedOnBothSidesIsAsked) {
    dialogs::Tprogrammliste& list = OpenList();
    testing_support::FakeDialogView& listView =
        start_->views.View(dialogs::Tprogrammliste::Form().name);
    start_->state.table.SetSlot(0, "/hier", "", "");
    WriteIni("[Check]\r\nWroteSuccesful=1\r\n[Buchstaben]\r\nA=/draussen\r\n");
    listView.answers.push_back(Answer::No);
    list.OkbutClick();
    ASSERT_EQ(listView.messages.size(), 1u);
    EXPECT_NE(listView.messages[0].text.find("der Taste A wurde"), std::string::npos)
        << listView.messages[0].text;
    EXPECT_EQ(Path(0), "/draussen") << "No keeps the other program's change";
    EXPECT_NE(IniText().find("\r\nA=/draussen\r\n"), std::string::npos);

    dialogs::Tprogrammliste& again = OpenList();
    start_->state.table.SetSlot(0, "/hier", "", "");
    WriteIni("[Check]\r\nWroteSuccesful=1\r\n[Buchstaben]\r\nA=/wieder\r\n");
    start_->views.View(dialogs::Tprogrammliste::Form().name).answers.push_back(Answer::Yes);
    again.OkbutClick();
    EXPECT_NE(IniText().find("\r\nA=/hier\r\n"), std::string::npos) << "Yes keeps this change";
}

TEST_F(OutsideChangeLogicTest, OpenHubKeepsWhatWasStoredOutsideForValuesItsUserLeft) {
    start_->hub.Show();
    WriteIni(std::string(kTwoBindings) +
             "[Hauptformular]\r\nSektionVorhanden=1\r\nkuerzel=Strg+Alt+K\r\n");
    ChangedAndSettled();
    EXPECT_EQ(start_->hubView.Text(THauptformular::kKuerzel), "Alt+F12")
        << "the open hub keeps what it shows";
    start_->hub.OkbutClick();
    EXPECT_EQ(start_->state.hotkey.Key(), 0xC04B);
    EXPECT_NE(IniText().find("\r\nkuerzel=Strg+Alt+K\r\n"), std::string::npos) << IniText();
    EXPECT_NE(IniText().find("\r\nB=/werkzeug/b\r\n"), std::string::npos);
    EXPECT_TRUE(start_->hubView.messages.empty());
}

} // namespace
