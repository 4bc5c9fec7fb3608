// Files dropped on the list editor and on the binding editor's path fields, and the icons the
// list shows beside its rows.
#include "logic/ListEditorFixture.h"
#include "platform/Paths.h"

namespace {

using dialogs::Tparameterform;
using dialogs::Tprogrammliste;
using testing_support::FakeDialogView;
using testing_support::ListEditorLogicTest;

// A drop on no bound row adds, for the first free key; the tick follows a dropped folder.
TEST_F(ListEditorLogicTest, DropOffTheBoundRowsAddsForTheFirstFreeKey) {
    Bind(0, "a.exe");
    const std::string folder = folder_.Path();
    FakeDialogView& list = OpenList();
    for (const int row : {-1, 2}) {
        InEditor([&](FakeDialogView& editor) {
            EXPECT_EQ(editor.Text(Tparameterform::kTaste), "B: ");
            EXPECT_EQ(editor.Text(Tparameterform::kProgrammorDir), folder);
            EXPECT_EQ(editor.Number(Tparameterform::kMode), 1);
            editor.user.Clicked(Tparameterform::kOkbut);
        });
        list.user.FilesDropped(Tprogrammliste::kProgramme, row, {folder, "ignored.exe"});
        EXPECT_EQ(Slot(1).Path, folder) << row;
        Bind(1, "");
    }
    EXPECT_EQ(editorRuns_, 2);
    EXPECT_EQ(Slot(0).Path, "a.exe");
}

// The drop's row counts, not the selection; the dropped file replaces that binding's texts.
TEST_F(ListEditorLogicTest, DropOnARowChangesThatRowsBinding) {
    Bind(0, "a.exe", "", "-a");
    Bind(1, "b.exe", "", "-b");
    const std::string dropped = folder_.Path("neu.exe");
    FakeDialogView& list = OpenList();
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    InEditor([&](FakeDialogView& editor) {
        EXPECT_EQ(editor.Text(Tparameterform::kTaste), "B: ");
        EXPECT_EQ(editor.Items(Tparameterform::kTaste).size(), 48u) << "every key, as changing";
        EXPECT_EQ(editor.Text(Tparameterform::kProgrammorDir), dropped);
        EXPECT_EQ(editor.Text(Tparameterform::kParameter), "");
        EXPECT_EQ(editor.Number(Tparameterform::kMode), 0);
        editor.user.Clicked(Tparameterform::kOkbut);
    });
    list.user.FilesDropped(Tprogrammliste::kProgramme, 2, {dropped});
    EXPECT_EQ(editorRuns_, 1);
    EXPECT_EQ(Slot(1).Path, dropped);
    EXPECT_EQ(Slot(1).Params, "");
    EXPECT_EQ(Slot(0).Path, "a.exe");
}

TEST_F(ListEditorLogicTest, DropOnAPathFieldFillsIt) {
    const std::string file = folder_.Path("prog.exe");
    testing_support::WriteBytes(file, "");
    const std::string folder = folder_.Path();
    FakeDialogView& list = OpenList();
    InEditor([&](FakeDialogView& editor) {
        editor.SetText(Tparameterform::kParameter, "-x");
        editor.user.FilesDropped(Tparameterform::kProgrammorDir, -1, {folder});
        EXPECT_EQ(editor.Text(Tparameterform::kProgrammorDir), folder);
        EXPECT_EQ(editor.Number(Tparameterform::kMode), 1);
        editor.user.FilesDropped(Tparameterform::kProgrammorDir, -1, {file});
        EXPECT_EQ(editor.Text(Tparameterform::kProgrammorDir), file);
        EXPECT_EQ(editor.Number(Tparameterform::kMode), 0);
        EXPECT_EQ(editor.Text(Tparameterform::kParameter), "-x") << "no shortcut file";
        editor.user.FilesDropped(Tparameterform::kVerzeichnis, -1, {file});
        EXPECT_EQ(editor.Text(Tparameterform::kVerzeichnis),
                  platform::WithTrailingSeparator(folder))
            << "a folder field takes a file's folder";
    });
    list.user.Clicked(Tprogrammliste::kAnfuegenbut);
    EXPECT_EQ(editorRuns_, 1);
}

// The face shows beside each row the icon of what it starts; after a deletion the icons move up
// with their rows.
TEST_F(ListEditorLogicTest, EachRowsIconIsThatOfItsPathAlsoAfterADeletion) {
    Bind(0, "a.exe");
    Bind(1, "b.exe");
    FakeDialogView& list = OpenList();
    const auto icons = [&] { return list.Find(Tprogrammliste::kProgramme)->icons; };
    EXPECT_EQ(icons(), (std::vector<std::string>{"a.exe", "b.exe", ""}));
    list.SetNumber(Tprogrammliste::kProgramme, 1);
    list.user.Clicked(Tprogrammliste::kDelbut);
    EXPECT_EQ(icons(), (std::vector<std::string>{"b.exe", "", ""}));
}
} // namespace
