// The list editor and the binding editor over recording views: the grid's rows, deleting,
// changing and adding through the modal binding editor, the column widths and the choosers of
// the binding editor's fields.
#include "dialogs/Parameterform.h"
#include "dialogs/Programmliste.h"
#include "logic/ListEditorFixture.h"
#include "platform/ParameterText.h"
#include "platform/Paths.h"

#include <filesystem>

namespace {

using dialogs::Rows;
using dialogs::THauptformular;
using dialogs::Tparameterform;
using dialogs::Tprogrammliste;
using testing_support::FakeDialogView;
using testing_support::ListEditorLogicTest;

const std::vector<std::string> kHeader{"Shortcut", "Öffnen/Starten", "Parameter",
                                       "Arbeitsverzeichnis"};
const std::vector<std::string> kEmptyRow(4);

TEST_F(ListEditorLogicTest, RowsAreTheBoundKeysInSlotOrderAndOneEmptyRow) {
    FakeDialogView& empty = OpenList();
    EXPECT_TRUE(empty.shown);
    EXPECT_EQ(empty.RowsOf(Tprogrammliste::kProgramme), (Rows{kHeader, kEmptyRow}))
        << "no bound key";

    const std::string tools = folder_.Path();
    Bind(37, "f2.exe", tools, "-f");
    Bind(0, "a.exe");
    FakeDialogView& list = OpenList();
    EXPECT_NE(&list, &empty) << "a new instance at each opening";
    EXPECT_EQ(list.RowsOf(Tprogrammliste::kProgramme),
              (Rows{kHeader, Row("A: ", "a.exe"), Row("F2: ", "f2.exe", "-f", tools), kEmptyRow}));

    // The last binding removed through the binding editor: its program field emptied.
    Bind(37, "");
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    InEditor([](FakeDialogView& editor) {
        editor.SetText(Tparameterform::kProgrammorDir, "");
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.Clicked(Tprogrammliste::kAendernBut);
    EXPECT_EQ(list.RowsOf(Tprogrammliste::kProgramme), (Rows{kHeader, kEmptyRow}));
    EXPECT_FALSE(Slot(0).IsBound());
}

TEST_F(ListEditorLogicTest, DeletingTheMiddleRowMovesTheRestUpAndOkStoresTheUnboundKey) {
    Bind(0, "a.exe");
    Bind(1, "b.exe");
    Bind(2, "c.exe");
    FakeDialogView& list = OpenList();
    list.user.Clicked(Tprogrammliste::kDelbut);
    ASSERT_EQ(list.messages.size(), 1u) << "nothing chosen";
    EXPECT_EQ(list.messages[0].text, "Kein Eintrag markiert!");
    EXPECT_EQ(list.messages[0].kind, core::MessageKind::Error);
    EXPECT_EQ(list.messages[0].helpContext, 0);
    EXPECT_EQ(list.messages[0].belowTop, 227) << "near the button bar";
    EXPECT_TRUE(Slot(0).IsBound() && Slot(1).IsBound() && Slot(2).IsBound());

    list.SetNumber(Tprogrammliste::kProgramme, 2);
    list.user.Clicked(Tprogrammliste::kDelbut);
    EXPECT_EQ(list.RowsOf(Tprogrammliste::kProgramme),
              (Rows{kHeader, Row("A: ", "a.exe"), Row("C: ", "c.exe"), kEmptyRow, kEmptyRow}));
    EXPECT_FALSE(Slot(1).IsBound());
    EXPECT_EQ(IniText().find("B="), std::string::npos) << "not in the file before OK";

    list.user.Clicked(Tprogrammliste::kOkbut);
    EXPECT_FALSE(list.shown);
    EXPECT_NE(IniText().find("B=\r\nVB=\r\nPB=\r\nC=c.exe\r\n"), std::string::npos) << IniText();
}

TEST_F(ListEditorLogicTest, OkWithAnUnreadableFileTellsItAndKeepsTheListOpen) {
    FakeDialogView& list = OpenList();
    // A folder where the file should be cannot be read as a file.
    start_->state.location.IniPath = folder_.Path("Ordner");
    std::filesystem::create_directories(std::filesystem::u8path(folder_.Path("Ordner")));
    list.user.Clicked(Tprogrammliste::kOkbut);
    EXPECT_EQ(list.messages.size(), 1u);
    EXPECT_TRUE(list.shown);
}

TEST_F(ListEditorLogicTest, ChangingToAnotherKeyMovesTheBindingAndReplacesWhatThatKeyHeld) {
    const std::string dir = folder_.Path();
    Bind(0, "a.exe", dir, "-a");
    Bind(2, "c.exe", "", "-c");
    FakeDialogView& list = OpenList();
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    InEditor([&](FakeDialogView& editor) {
        EXPECT_EQ(editor.owner, &list) << "centred over the list";
        EXPECT_EQ(editor.Items(Tparameterform::kTaste).size(), 48u) << "every key offered";
        EXPECT_EQ(editor.Text(Tparameterform::kTaste), "A: ");
        EXPECT_EQ(editor.Text(Tparameterform::kProgrammorDir), "a.exe");
        EXPECT_EQ(editor.Text(Tparameterform::kVerzeichnis), dir);
        EXPECT_EQ(editor.Text(Tparameterform::kParameter), "-a");
        editor.SetText(Tparameterform::kTaste, "B: ");
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.Clicked(Tprogrammliste::kAendernBut);
    EXPECT_FALSE(Slot(0).IsBound());
    EXPECT_EQ(Slot(1).Path, "a.exe");
    EXPECT_EQ(
        list.RowsOf(Tprogrammliste::kProgramme),
        (Rows{kHeader, Row("B: ", "a.exe", "-a", dir), Row("C: ", "c.exe", "-c"), kEmptyRow}));

    // B to C, which is bound: a double click edits the chosen row.
    InEditor([](FakeDialogView& editor) {
        editor.SetText(Tparameterform::kTaste, "C: ");
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.DoubleClicked(Tprogrammliste::kProgramme);
    EXPECT_FALSE(Slot(1).IsBound());
    EXPECT_EQ(Slot(2).Path, "a.exe");
    EXPECT_EQ(Slot(2).Params, "-a") << "the old binding of C is gone";
    EXPECT_EQ(list.RowsOf(Tprogrammliste::kProgramme),
              (Rows{kHeader, Row("C: ", "a.exe", "-a", dir), kEmptyRow}));
}

TEST_F(ListEditorLogicTest, ChangingWhatAKeyStartsKeepsItsRow) {
    Bind(0, "a.exe", "", "-a");
    FakeDialogView& list = OpenList();
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    InEditor([](FakeDialogView& editor) {
        editor.SetText(Tparameterform::kParameter, "-b");
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.Clicked(Tprogrammliste::kAendernBut);
    EXPECT_EQ(Slot(0).Path, "a.exe");
    EXPECT_EQ(Slot(0).Params, "-b");
    EXPECT_EQ(list.RowsOf(Tprogrammliste::kProgramme),
              (Rows{kHeader, Row("A: ", "a.exe", "-b"), kEmptyRow}));
}

TEST_F(ListEditorLogicTest, EditingAFolderBindingOffersTheFolderChooser) {
    const std::string folder = folder_.Path();
    Bind(0, folder);
    FakeDialogView& list = OpenList();
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    InEditor([](FakeDialogView& editor) {
        EXPECT_EQ(editor.Number(Tparameterform::kMode), 1);
        editor.user.Clicked(Tparameterform::kProgrammorDir);
        ASSERT_EQ(editor.pathQuestions.size(), 1u);
        EXPECT_EQ(editor.pathQuestions[0].kind, dialogs::PathKind::Folder);
    });
    list.user.Clicked(Tprogrammliste::kAendernBut);
    EXPECT_EQ(editorRuns_, 1);
}

TEST_F(ListEditorLogicTest, CancelEscapeAndTheCloseBoxChangeNothing) {
    Bind(0, "a.exe", "", "-a");
    FakeDialogView& list = OpenList();
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    const auto edit = [](FakeDialogView& editor) {
        editor.SetText(Tparameterform::kTaste, "B: ");
        editor.SetText(Tparameterform::kProgrammorDir, "anders.exe");
    };
    InEditor([&](FakeDialogView& editor) {
        edit(editor);
        editor.user.Clicked(Tparameterform::kClosebut);
    });
    list.user.Clicked(Tprogrammliste::kAendernBut);
    InEditor(edit); // then the close box
    list.user.Clicked(Tprogrammliste::kAendernBut);
    EXPECT_EQ(editorRuns_, 2);
    EXPECT_EQ(Slot(0).Path, "a.exe");
    EXPECT_FALSE(Slot(1).IsBound());
    EXPECT_TRUE(Tparameterform::Form().Find(Tparameterform::kClosebut)->isCancel)
        << "Escape is Abbrechen";

    // Escape in the list, which has no cancel button, is its close box.
    for (const dialogs::ControlLayout& control : Tprogrammliste::Form().controls) {
        EXPECT_FALSE(control.isCancel) << control.name;
    }
    list.user.CloseRequested();
    EXPECT_FALSE(list.shown);
    EXPECT_EQ(Slot(0).Path, "a.exe");
    EXPECT_EQ(IniText().find("a.exe"), std::string::npos) << "nothing saved";
}

// A face may end the modal run with Ok on its own; no key was chosen then.
TEST_F(ListEditorLogicTest, AnOkWithoutTheOkButtonMovesNothing) {
    Bind(1, "b.exe");
    FakeDialogView& list = OpenList();
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    InEditor([](FakeDialogView& editor) { editor.HideForm(dialogs::Closed::Ok); });
    list.user.Clicked(Tprogrammliste::kAendernBut);
    EXPECT_EQ(Slot(1).Path, "b.exe");
    EXPECT_FALSE(Slot(0).IsBound());
}

TEST_F(ListEditorLogicTest, TrayMenuDoesNothingWhileTheBindingEditorRuns) {
    FakeDialogView& list = OpenList();
    InEditor([this](FakeDialogView&) {
        start_->launcher.MenuClick(core::MenuItem::Editieren1);
        start_->launcher.MenuClick(core::MenuItem::Einstellungsdialog1);
    });
    list.user.Clicked(Tprogrammliste::kAnfuegenbut);
    ASSERT_EQ(editorRuns_, 1);
    EXPECT_EQ(&start_->views.View(Tprogrammliste::Form().name), &list) << "no other list";
    EXPECT_FALSE(start_->hubView.shown);
    start_->launcher.MenuClick(core::MenuItem::Einstellungsdialog1);
    EXPECT_TRUE(start_->hubView.shown) << "afterwards the menu works";
}

TEST_F(ListEditorLogicTest, AddingOffersTheUnboundKeysOnlyAndWithNoneLeftStoresNothing) {
    for (int slot = 0; slot < config::kSlotCount; ++slot) {
        Bind(slot, slot == 3 ? "" : "x" + std::to_string(slot));
    }
    FakeDialogView& list = OpenList();
    InEditor([](FakeDialogView& editor) {
        EXPECT_EQ(editor.Items(Tparameterform::kTaste), std::vector<std::string>{"D: "});
        EXPECT_EQ(editor.Text(Tparameterform::kTaste), "") << "no key chosen";
        editor.SetText(Tparameterform::kTaste, "D: ");
        editor.SetText(Tparameterform::kProgrammorDir, "C:\\Tools\\editor.exe");
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.Clicked(Tprogrammliste::kAnfuegenbut);
    EXPECT_EQ(Slot(3).Path, "C:\\Tools\\editor.exe");
    EXPECT_EQ(Slot(3).WorkDir, "");
    EXPECT_EQ(Slot(3).Params, "");
    EXPECT_EQ(list.RowsOf(Tprogrammliste::kProgramme).size(), 50u);

    InEditor([](FakeDialogView& editor) {
        EXPECT_TRUE(editor.Items(Tparameterform::kTaste).empty());
        editor.SetText(Tparameterform::kProgrammorDir, "neu.exe");
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.Clicked(Tprogrammliste::kAnfuegenbut);
    for (int slot = 0; slot < config::kSlotCount; ++slot) {
        EXPECT_NE(Slot(slot).Path, "neu.exe") << slot;
    }
}

TEST_F(ListEditorLogicTest, AMissingWorkingDirectoryShowsEmptyAndIsStoredEmpty) {
    Bind(0, "a.exe", folder_.Path("weg"));
    FakeDialogView& list = OpenList();
    EXPECT_EQ(list.RowsOf(Tprogrammliste::kProgramme)[1], Row("A: ", "a.exe"));
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    InEditor([](FakeDialogView& editor) {
        EXPECT_EQ(editor.Text(Tparameterform::kVerzeichnis), "");
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.Clicked(Tprogrammliste::kAendernBut);
    EXPECT_EQ(Slot(0).WorkDir, "");
}

// Seven pixels a character: the path's 140 against floors of 60 and 94, 294 in all.
// Every character is 7 pixels wide, "Ö" two of them; a heading takes 16 more for its margins.
TEST_F(ListEditorLogicTest, ColumnsFitTheirTextsAndHeadingsAndShrinkInProportionWhenNarrower) {
    Bind(0, std::string(40, 'p'), "", "-x");
    FakeDialogView& list = OpenList();
    EXPECT_EQ(Widths(list), (std::vector<int>{72, 280, 79, 142})) << "no heading cut";
    list.user.Resized(700, 300);
    EXPECT_EQ(Widths(list), (std::vector<int>{72, 280, 79, 142})) << "wide enough";
    list.user.Resized(100 + 250, 300);
    EXPECT_EQ(Widths(list), (std::vector<int>{72, 139, 79, 142})) << "never below a heading";
    for (const int width : {100, 40}) {
        list.user.Resized(width, 300);
        EXPECT_EQ(Widths(list), (std::vector<int>{72, 121, 79, 142})) << "the floors at " << width;
    }
}

TEST_F(ListEditorLogicTest, ProgramFieldChooserFollowsTheFolderTick) {
    const std::string folder = platform::WithTrailingSeparator(folder_.Path());
    FakeDialogView& list = OpenList();
    InEditor([&](FakeDialogView& editor) {
        editor.SetText(Tparameterform::kProgrammorDir, folder + "alt.exe");
        editor.user.Clicked(Tparameterform::kProgrammorDir);
        editor.SetNumber(Tparameterform::kMode, 1);
        editor.user.Changed(Tparameterform::kMode);
        editor.user.Clicked(Tparameterform::kProgrammorDir);
        editor.user.Clicked(Tparameterform::kVerzeichnis);
        ASSERT_EQ(editor.pathQuestions.size(), 3u);
        const dialogs::PathQuestion& file = editor.pathQuestions[0];
        EXPECT_EQ(file.kind, dialogs::PathKind::OpenFile);
        EXPECT_EQ(file.title, "Zu öffnende Datei/Programm wählen");
        EXPECT_EQ(file.filter, "Nur Programme|*.exe|Alle Dateien|*.*");
        EXPECT_EQ(file.defaultExt, "exe");
        EXPECT_EQ(file.start, folder);
        EXPECT_EQ(editor.pathQuestions[1].kind, dialogs::PathKind::Folder);
        EXPECT_EQ(editor.pathQuestions[1].title, "Zu öffnendes Verzeichnis wählen");
        EXPECT_EQ(editor.pathQuestions[1].start, folder + "alt.exe");
        EXPECT_EQ(editor.pathQuestions[2].kind, dialogs::PathKind::Folder);
        EXPECT_EQ(editor.Text(Tparameterform::kProgrammorDir), folder + "alt.exe")
            << "every chooser cancelled";
    });
    list.user.Clicked(Tprogrammliste::kAnfuegenbut);
    EXPECT_EQ(editorRuns_, 1);
}

TEST_F(ListEditorLogicTest, ParameterBrowseAppendsOrReplacesAndQuotesABlank) {
    const std::string existing = folder_.Path("da.txt");
    testing_support::WriteBytes(existing, "");
    const std::string spaced = folder_.Path("mit Blank.txt");
    ASSERT_EQ(platform::ParameterText(existing), existing) << "no character to quote";
    FakeDialogView& list = OpenList();
    InEditor([&](FakeDialogView& editor) {
        const auto browse = [&](const std::string& before, const std::string& chosen) {
            editor.SetText(Tparameterform::kParameter, before);
            editor.paths = {chosen};
            editor.user.Clicked(Tparameterform::kParameter);
            return editor.Text(Tparameterform::kParameter);
        };
        EXPECT_EQ(browse("", existing), " " + existing);
        EXPECT_EQ(browse("-x", existing), "-x " + existing);
        EXPECT_EQ(browse(existing, existing + "2"), existing + "2") << "a file's path is replaced";
        const std::string quoted = platform::ParameterText(spaced);
        EXPECT_NE(quoted, spaced);
        EXPECT_EQ(browse("-x", spaced), "-x " + quoted);
        EXPECT_EQ(browse(existing, spaced), quoted);
        editor.paths = {std::nullopt};
        editor.user.Clicked(Tparameterform::kParameter);
        EXPECT_EQ(editor.Text(Tparameterform::kParameter), quoted) << "cancelled";
        EXPECT_EQ(editor.pathQuestions.back().kind, dialogs::PathKind::OpenFile);
        EXPECT_EQ(editor.pathQuestions.back().title, "") << "the system's own";
        EXPECT_EQ(editor.pathQuestions.back().filter, "");
    });
    list.user.Clicked(Tprogrammliste::kAnfuegenbut);
    EXPECT_EQ(editorRuns_, 1);
}

// What the first browse wrote names a file still, though quoted.
TEST_F(ListEditorLogicTest, ASecondBrowseReplacesAQuotedPath) {
    const std::string spaced = folder_.Path("mit Blank.txt");
    testing_support::WriteBytes(spaced, "");
    const std::string other = folder_.Path("noch einer.txt");
    FakeDialogView& list = OpenList();
    InEditor([&](FakeDialogView& editor) {
        editor.paths = {spaced, other};
        editor.user.Clicked(Tparameterform::kParameter);
        editor.user.Clicked(Tparameterform::kParameter);
        EXPECT_EQ(editor.Text(Tparameterform::kParameter), platform::ParameterText(other));
    });
    list.user.Clicked(Tprogrammliste::kAnfuegenbut);
    EXPECT_EQ(editorRuns_, 1);
}

} // namespace
