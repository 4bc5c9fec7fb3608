// The Qt face of the list editor and the binding editor: the grid as the logic fills it, its
// widths measured in its own font, the rows' icons, a double click or a dropped file editing a
// binding in a binding editor over the list, and the choosers of the editor's fields.
#include "dialogs/Parameterform.h"
#include "dialogs/Programmliste.h"
#include "ui/UiFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <functional>

using dialogs::THauptformular;
using dialogs::Tparameterform;
using dialogs::Tprogrammliste;

namespace {

class ListEditorTest : public testing_support::UiFixture {
  protected:
    // A program end in an earlier test leaves the application quitting, so that a modal loop
    // would return at once; a turn of the application's own loop clears that.
    ListEditorTest() {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
    static QDialog& OpenList(Start& start) {
        start.program.hauptformular.Clicked(THauptformular::kEditbutton);
        return *start.faces.DialogNamed("Programmliste").Window();
    }
    // What the user does in the binding editor that comes up next; it is closed afterwards
    // whatever happened, so a failure cannot leave the test waiting in its loop.
    static void InEditor(Start& start, std::function<void(QDialog&)> doing) {
        QTimer::singleShot(0, [&start, doing] {
            QDialog& editor = *start.faces.DialogNamed("ParameterForm").Window();
            doing(editor);
            if (editor.isVisible()) {
                editor.reject();
            }
        });
    }
    static QTableWidget& Grid(QDialog& list) {
        return *list.findChild<QTableWidget*>(Tprogrammliste::kProgramme.c_str());
    }

    struct EditorFields {
        std::string key, program, parameters, folder;
    };
    // A file dragged in as the desktop's file manager does it (a list of file addresses) and
    // dropped at a point of the grid; the fields of the binding editor it brings up.
    static EditorFields DropOn(Start& start, QTableWidget& grid, const std::string& file,
                               QPoint at) {
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid.viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid.viewport(), &drop);
        EditorFields fields;
        bool shown = false;
        InEditor(start, [&](QDialog& editor) {
            shown = true;
            const auto text = [&](dialogs::ControlName name) {
                return editor.findChild<QLineEdit*>(name.c_str())->text().toStdString();
            };
            fields = {editor.findChild<QComboBox*>(Tparameterform::kTaste.c_str())
                          ->currentText()
                          .toStdString(),
                      text(Tparameterform::kProgrammorDir), text(Tparameterform::kParameter),
                      text(Tparameterform::kVerzeichnis)};
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown; })) << "no binding editor";
        return fields;
    }
};

TEST_F(ListEditorTest, GridShowsTheBoundKeysWithColumnsAsWideAsTheirTexts) {
    Start start(folder_);
    const std::string path = "/opt/ein recht langer Programmname";
    start.state.table.SetSlot(0, path, "", "-x");
    start.state.table.SetSlot(37, "f2", "", "");
    QDialog& list = OpenList(start);
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.windowTitle(), "Einstellungen");
    EXPECT_NE(list.minimumSize(), list.maximumSize()) << "sizable";

    QTableWidget& grid = Grid(list);
    ASSERT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Öffnen/Starten");
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.item(0, 0)->text(), "A: ");
    EXPECT_EQ(grid.item(0, 1)->text().toStdString(), path);
    EXPECT_EQ(grid.item(0, 2)->text(), "-x");
    EXPECT_EQ(grid.item(1, 0)->text(), "F2: ");
    EXPECT_EQ(grid.item(2, 0)->text(), "");
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectRows);

    const int pathWidth = grid.fontMetrics().horizontalAdvance(QString::fromStdString(path));
    ASSERT_GT(pathWidth, 68);
    EXPECT_GE(grid.columnWidth(0), 56);
    // The width the view itself finds for the column (public in the base class only).
    const QAbstractItemView& view = grid;
    EXPECT_GE(grid.columnWidth(1), view.sizeHintForColumn(1))
        << "the window is wide enough: the path shows whole";
    for (int column = 0; column < 4; ++column) {
        EXPECT_GE(grid.columnWidth(column), grid.horizontalHeader()->sectionSizeHint(column))
            << "heading " << column << " is not cut";
    }
    list.resize(100 + (pathWidth + grid.columnWidth(2) + grid.columnWidth(3)) / 2, list.height());
    EXPECT_LT(grid.columnWidth(1), pathWidth) << "narrower, they shrink";
}

// Owned by the hub even while that is hidden: transient for it, no taskbar entry of its own.
TEST_F(ListEditorTest, ListStandsAtItsPlaceAndBelongsToTheHub) {
    Start start(folder_);
    QDialog& list = OpenList(start);
    EXPECT_EQ(list.pos(), QPoint(271, 120));
    EXPECT_EQ(list.parentWidget(), start.faces.DialogNamed("Hauptformular").Window());
}

TEST_F(ListEditorTest, DoubleClickEditsTheRowInABindingEditorOverTheList) {
    Start start(folder_);
    start.state.table.SetSlot(0, "a.exe", "", "-a");
    QDialog& list = OpenList(start);
    QTableWidget& grid = Grid(list);
    bool edited = false;
    InEditor(start, [&](QDialog& editor) {
        edited = true;
        EXPECT_TRUE(editor.isModal());
        EXPECT_EQ(editor.windowTitle(), "Einstellungen für den Aufruf");
        EXPECT_EQ(editor.parentWidget(), &list);
        EXPECT_LE((editor.geometry().center() - list.geometry().center()).manhattanLength(), 2)
            << "centred over the list";
        auto* taste = editor.findChild<QComboBox*>(Tparameterform::kTaste.c_str());
        EXPECT_EQ(taste->currentText(), "A: ");
        EXPECT_EQ(taste->count(), 48);
        EXPECT_EQ(editor.findChild<QLineEdit*>(Tparameterform::kProgrammorDir.c_str())->text(),
                  "a.exe");
        taste->setCurrentIndex(1);
        QTest::mouseClick(editor.findChild<QPushButton*>(Tparameterform::kOkbut.c_str()),
                          Qt::LeftButton);
    });
    const QRect cell = grid.visualItemRect(grid.item(0, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(edited);
    EXPECT_FALSE(start.state.table.Slot(0).IsBound());
    EXPECT_EQ(start.state.table.Slot(1).Path, "a.exe");
    EXPECT_EQ(grid.item(0, 0)->text(), "B: ");
}

TEST_F(ListEditorTest, OkInTheEditorKeepsAParameterTextLongerThanAnEditsDefaultLimit) {
    Start start(folder_);
    const std::string params(40000, 'x');
    start.state.table.SetSlot(0, "a.exe", "", params);
    QDialog& list = OpenList(start);
    Grid(list).selectRow(0);
    InEditor(start, [](QDialog& editor) {
        QTest::mouseClick(editor.findChild<QPushButton*>(Tparameterform::kOkbut.c_str()),
                          Qt::LeftButton);
    });
    QTest::mouseClick(list.findChild<QPushButton*>(Tprogrammliste::kAendernBut.c_str()),
                      Qt::LeftButton);
    EXPECT_EQ(start.state.table.Slot(0).Params.size(), params.size());
}

TEST_F(ListEditorTest, EditorChoosersHaveTheirTitleFilterAndStartFolder) {
    Start start(folder_);
    QDialog& list = OpenList(start);
    const std::string folder = folder_.Path() + "/";
    answers_.paths = {std::nullopt, std::nullopt, std::nullopt, folder + "mit Blank"};
    InEditor(start, [&](QDialog& editor) {
        editor.findChild<QLineEdit*>(Tparameterform::kProgrammorDir.c_str())
            ->setText(QString::fromStdString(folder + "a"));
        auto* browse = editor.findChild<QToolButton*>("programmorDirBrowse");
        QTest::mouseClick(browse, Qt::LeftButton);
        QTest::mouseClick(editor.findChild<QCheckBox*>(Tparameterform::kMode.c_str()),
                          Qt::LeftButton);
        QTest::mouseClick(browse, Qt::LeftButton);
        QTest::mouseClick(editor.findChild<QToolButton*>("verzeichnisBrowse"), Qt::LeftButton);
        editor.findChild<QAction*>("parameterButton")->trigger();
        ASSERT_EQ(answers_.pathQuestions.size(), 4u);
        const dialogs::PathQuestion& file = answers_.pathQuestions[0];
        EXPECT_EQ(file.kind, dialogs::PathKind::OpenFile);
        EXPECT_EQ(file.title, "Zu öffnende Datei/Programm wählen");
        EXPECT_EQ(file.filter, "Nur Programme|*.exe|Alle Dateien|*.*");
        EXPECT_EQ(file.start, folder);
        EXPECT_EQ(answers_.pathQuestions[1].kind, dialogs::PathKind::Folder);
        EXPECT_EQ(answers_.pathQuestions[1].title, "Zu öffnendes Verzeichnis wählen");
        EXPECT_EQ(answers_.pathQuestions[2].kind, dialogs::PathKind::Folder);
        EXPECT_EQ(
            editor.findChild<QLineEdit*>(Tparameterform::kParameter.c_str())->text().toStdString(),
            " '" + folder + "mit Blank'");
    });
    QTest::mouseClick(list.findChild<QPushButton*>(Tprogrammliste::kAnfuegenbut.c_str()),
                      Qt::LeftButton);
    EXPECT_EQ(answers_.pathQuestions.size(), 4u);
}

// A program that an installed desktop entry starts shows that entry's icon; a folder its type's.
// Neither is read before the list shows.
TEST_F(ListEditorTest, RowsShowTheIconsOfWhatTheyStartOnceTheListShows) {
    const std::string program = folder_.Path("werkzeug");
    testing_support::WriteBytes(program, "#!/bin/sh\n");
    ::chmod(program.c_str(), 0755);
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const QString png = QString::fromStdString(folder_.Path("werkzeug.png"));
    ASSERT_TRUE(red.save(png));
    ::mkdir(folder_.Path("applications").c_str(), 0755);
    testing_support::WriteBytes(folder_.Path("applications/werkzeug.desktop"),
                                "[Desktop Entry]\nType=Application\nName=Werkzeug\nExec=" +
                                    program + " %U\nIcon=" + png.toStdString() + "\n");
    const std::string dataHome = qEnvironmentVariable("XDG_DATA_HOME").toStdString();
    testing_support::SetEnvironment("XDG_DATA_HOME", folder_.Path());
    Start start(folder_);
    start.state.table.SetSlot(0, program, "", "");
    start.state.table.SetSlot(1, folder_.Path(), "", "");
    QTableWidget& grid = Grid(OpenList(start));
    EXPECT_TRUE(grid.item(0, 0)->icon().isNull()) << "read after the list shows";
    const bool read = QTest::qWaitFor([&] { return !grid.item(0, 0)->icon().isNull(); });
    testing_support::SetEnvironment("XDG_DATA_HOME", dataHome);
    ASSERT_TRUE(read);
    EXPECT_EQ(grid.item(0, 0)->icon().pixmap(16).toImage().pixel(8, 8), QColor(Qt::red).rgb());
    EXPECT_FALSE(grid.item(1, 0)->icon().isNull());
    EXPECT_TRUE(grid.item(2, 0)->icon().isNull()) << "the empty row";
}

TEST_F(ListEditorTest, FileDroppedOnTheListOpensTheBindingEditorWithItsPath) {
    Start start(folder_);
    start.state.table.SetSlot(0, "a.exe", "", "");
    const std::string dropped = folder_.Path("neu");
    testing_support::WriteBytes(dropped, "");
    QTableWidget& grid = Grid(OpenList(start));
    const QPoint belowTheRows(10, grid.viewport()->height() - 4);
    ASSERT_EQ(grid.rowAt(belowTheRows.y()), -1);
    const EditorFields fields = DropOn(start, grid, dropped, belowTheRows);
    EXPECT_EQ(fields.program, dropped);
    EXPECT_EQ(fields.key, "B: ") << "the first free key";
}

TEST_F(ListEditorTest, DesktopEntryDroppedOnARowFillsItsCommandAndFolder) {
    Start start(folder_);
    start.state.table.SetSlot(0, "a.exe", "", "-a");
    const std::string entry = folder_.Path("editor.desktop");
    testing_support::WriteBytes(entry, "[Desktop Entry]\nType=Application\nName=Editor\n"
                                       "Exec=\"/opt/my editor/edit\" --neu %F\nPath=/srv/texte\n");
    QTableWidget& grid = Grid(OpenList(start));
    QApplication::processEvents(); // the table lays out its rows
    const EditorFields fields =
        DropOn(start, grid, entry, grid.visualItemRect(grid.item(0, 1)).center());
    EXPECT_EQ(fields.key, "A: ") << "the row's key";
    EXPECT_EQ(fields.program, "/opt/my editor/edit");
    EXPECT_EQ(fields.parameters, "--neu");
    EXPECT_EQ(fields.folder, "/srv/texte");
}

} // namespace
