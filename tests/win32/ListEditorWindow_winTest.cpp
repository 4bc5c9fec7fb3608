// The list editor and the binding editor as Win32 windows: the report list as the logic fills
// it, its widths measured in the list's font, the rows' icons, a double click or a dropped
// shortcut editing a binding in a binding editor over the list, and the choosers of the editor's
// fields.
#include "dialogs/Parameterform.h"
#include "dialogs/Programmliste.h"
#include "integration/Installer.h"
#include "platform/Text.h"
#include "platform/WinText.h"
#include "win32/FaceFixture_win.h"

#include "gui/win32/WindowBasics.h"

#include <cstdlib>
#include <functional>
#include <utility>

#include <commctrl.h>

namespace {

using dialogs::THauptformular;
using dialogs::Tparameterform;
using dialogs::Tprogrammliste;
using testing_support::FaceTest;

// What the user does in the modal window that the next call brings up: run from its message
// loop once; the timer goes with this object, whether the window came or not.
class WhileModal {
  public:
    explicit WhileModal(std::function<void()> doing) {
        Doing() = std::move(doing);
        timer_ = SetTimer(nullptr, 0, 50, &WhileModal::Run);
    }
    ~WhileModal() {
        KillTimer(nullptr, timer_);
        Doing() = nullptr;
    }
    WhileModal(const WhileModal&) = delete;
    WhileModal& operator=(const WhileModal&) = delete;

  private:
    static std::function<void()>& Doing() {
        static std::function<void()> doing;
        return doing;
    }
    static void CALLBACK Run(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (auto doing = std::exchange(Doing(), nullptr)) {
            doing();
        }
    }

    UINT_PTR timer_ = 0;
};

std::string CellText(HWND list, int row, int column) {
    wchar_t text[1024] = {};
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = 1024;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
    return platform::Narrow(text);
}

std::string ChosenText(HWND box) {
    wchar_t text[64] = {};
    SendMessageW(box, CB_GETLBTEXT, SendMessageW(box, CB_GETCURSEL, 0, 0),
                 reinterpret_cast<LPARAM>(text));
    return platform::Narrow(text);
}

// The button at a field's right end.
HWND ButtonOf(win32face::Dialog& dialog, dialogs::ControlName field) {
    return GetDlgItem(dialog.Window(), GetDlgCtrlID(dialog.Control(field)) + 1);
}

int IconOf(HWND list, int row) {
    LVITEMW cell{};
    cell.mask = LVIF_IMAGE;
    cell.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&cell));
    return cell.iImage;
}

POINT CentreOf(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

class ListEditorWindowTest : public FaceTest {
  protected:
    win32face::Dialog& OpenList(Start& start) {
        start.program.hauptformular.Clicked(THauptformular::kEditbutton);
        return start.faces.DialogNamed("Programmliste");
    }
};

TEST_F(ListEditorWindowTest, ListShowsTheBoundKeysWithColumnsAsWideAsTheirTexts) {
    auto start = NewStart();
    const std::string path = "C:\\Programme\\ein recht langer Programmname.exe";
    start->state.table.SetSlot(0, path, "", "-x");
    start->state.table.SetSlot(37, "f2.exe", "", "");
    win32face::Dialog& dialog = OpenList(*start);
    ASSERT_TRUE(IsWindowVisible(dialog.Window()));
    EXPECT_EQ(win32face::TextOf(dialog.Window()), "Einstellungen");
    EXPECT_NE(GetWindowLongPtrW(dialog.Window(), GWL_STYLE) & WS_THICKFRAME, 0) << "sizable";

    const HWND list = dialog.Control(Tprogrammliste::kProgramme);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(CellText(list, 0, 0), "A: ");
    EXPECT_EQ(CellText(list, 0, 1), path);
    EXPECT_EQ(CellText(list, 0, 2), "-x");
    EXPECT_EQ(CellText(list, 1, 0), "F2: ");
    EXPECT_EQ(CellText(list, 2, 0), "");
    EXPECT_NE(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);

    // The list measures the text itself, in its own font.
    const int pathWidth = static_cast<int>(SendMessageW(
        list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(platform::Wide(path).c_str())));
    const UINT dpi = GetDpiForWindow(list);
    const auto width = [&](int column) {
        return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    };
    ASSERT_GT(pathWidth, win32face::Scale(68, dpi)) << "wider than its floor";
    EXPECT_GE(width(0), win32face::Scale(56, dpi));
    // Each heading fits its column with the header's margins (three edges on either side).
    const wchar_t* headings[] = {L"Shortcut", L"Öffnen/Starten", L"Parameter",
                                 L"Arbeitsverzeichnis"};
    for (int column = 0; column < 4; ++column) {
        EXPECT_GE(width(column), SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                              reinterpret_cast<LPARAM>(headings[column])) +
                                     6 * GetSystemMetrics(SM_CXEDGE))
            << column;
    }
    // Headings wider than designed may leave the designed window too narrow for the path.
    SetWindowPos(dialog.Window(), nullptr, 0, 0, win32face::Scale(900, dpi),
                 win32face::Scale(300, dpi), SWP_NOMOVE | SWP_NOZORDER);
    const int shown = width(1);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE);
    EXPECT_GE(shown, width(1)) << "the window is wide enough: the path shows whole";
    SetWindowPos(dialog.Window(), nullptr, 0, 0, win32face::Scale(300, dpi), 300,
                 SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_LT(width(1), pathWidth - 2) << "narrower, they shrink";
}

// Owned by the hub even while that is hidden, so it has no taskbar button of its own.
TEST_F(ListEditorWindowTest, ListStandsAtItsPlaceAndBelongsToTheHub) {
    auto start = NewStart();
    const HWND list = OpenList(*start).Window();
    RECT frame;
    GetWindowRect(list, &frame);
    EXPECT_EQ(frame.left, 271);
    EXPECT_EQ(frame.top, 120);
    EXPECT_EQ(GetWindow(list, GW_OWNER), start->hub.Window());
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(ListEditorWindowTest, DeletingARowKeepsTheLongPathsOfTheOthers) {
    auto start = NewStart();
    const std::string path = "C:\\" + std::string(704, 'p');
    start->state.table.SetSlot(0, path, "", "");
    start->state.table.SetSlot(1, "b.exe", "", "");
    win32face::Dialog& dialog = OpenList(*start);
    const HWND list = dialog.Control(Tprogrammliste::kProgramme);
    LVITEMW chosen{};
    chosen.stateMask = chosen.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&chosen));
    SendMessageW(dialog.Control(Tprogrammliste::kDelbut), BM_CLICK, 0, 0);
    EXPECT_FALSE(start->state.table.Slot(1).IsBound());
    EXPECT_EQ(CellText(list, 0, 1), path);
}

TEST_F(ListEditorWindowTest, DoubleClickEditsTheRowInABindingEditorOverTheList) {
    auto start = NewStart();
    start->state.table.SetSlot(0, "a.exe", "", "-a");
    win32face::Dialog& dialog = OpenList(*start);
    const HWND list = dialog.Control(Tprogrammliste::kProgramme);
    LVITEMW chosen{};
    chosen.stateMask = chosen.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&chosen));
    bool edited = false;
    WhileModal user([&] {
        edited = true;
        win32face::Dialog& editor = start->faces.DialogNamed("ParameterForm");
        EXPECT_EQ(win32face::TextOf(editor.Window()), "Einstellungen für den Aufruf");
        EXPECT_EQ(GetWindow(editor.Window(), GW_OWNER), dialog.Window());
        EXPECT_FALSE(IsWindowEnabled(dialog.Window())) << "modal";
        const POINT centre = CentreOf(editor.Window());
        const POINT over = CentreOf(dialog.Window());
        EXPECT_LE(std::abs(centre.x - over.x) + std::abs(centre.y - over.y), 2);
        EXPECT_EQ(ChosenText(editor.Control(Tparameterform::kTaste)), "A: ");
        EXPECT_EQ(win32face::TextOf(editor.Control(Tparameterform::kProgrammorDir)), "a.exe");
        SendMessageW(editor.Control(Tparameterform::kTaste), CB_SETCURSEL, 1, 0);
        SendMessageW(editor.Control(Tparameterform::kOkbut), BM_CLICK, 0, 0);
    });
    RECT cell{LVIR_BOUNDS};
    SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.left + 80, cell.top + 4));
    EXPECT_TRUE(edited);
    EXPECT_FALSE(start->state.table.Slot(0).IsBound());
    EXPECT_EQ(start->state.table.Slot(1).Path, "a.exe");
    EXPECT_EQ(CellText(list, 0, 0), "B: ");
    EXPECT_TRUE(IsWindowEnabled(dialog.Window()));
}

TEST_F(ListEditorWindowTest, EditorChoosersHaveTheirTitleFilterAndStartFolder) {
    auto start = NewStart();
    win32face::Dialog& dialog = OpenList(*start);
    const std::string folder = folder_.Path() + "\\";
    answers_.paths = {std::nullopt, std::nullopt, folder + "mit Blank.txt"};
    WhileModal user([&] {
        win32face::Dialog& editor = start->faces.DialogNamed("ParameterForm");
        SetWindowTextW(editor.Control(Tparameterform::kProgrammorDir),
                       platform::Wide(folder + "a.exe").c_str());
        SendMessageW(ButtonOf(editor, Tparameterform::kProgrammorDir), BM_CLICK, 0, 0);
        SendMessageW(editor.Control(Tparameterform::kMode), BM_CLICK, 0, 0);
        SendMessageW(ButtonOf(editor, Tparameterform::kProgrammorDir), BM_CLICK, 0, 0);
        const HWND parameterButton = ButtonOf(editor, Tparameterform::kParameter);
        BUTTON_IMAGELIST picture{};
        SendMessageW(parameterButton, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&picture));
        EXPECT_NE(picture.himl, nullptr) << "the browse picture";
        SendMessageW(parameterButton, BM_CLICK, 0, 0);
        ASSERT_EQ(answers_.pathQuestions.size(), 3u);
        const dialogs::PathQuestion& file = answers_.pathQuestions[0];
        EXPECT_EQ(file.kind, dialogs::PathKind::OpenFile);
        EXPECT_EQ(file.title, "Zu öffnende Datei/Programm wählen");
        EXPECT_EQ(file.filter, "Nur Programme|*.exe|Alle Dateien|*.*");
        EXPECT_EQ(file.start, folder);
        EXPECT_EQ(answers_.pathQuestions[1].kind, dialogs::PathKind::Folder);
        EXPECT_EQ(answers_.pathQuestions[1].title, "Zu öffnendes Verzeichnis wählen");
        EXPECT_EQ(win32face::TextOf(editor.Control(Tparameterform::kParameter)),
                  " \"" + folder + "mit Blank.txt\"");
        SendMessageW(editor.Control(Tparameterform::kClosebut), BM_CLICK, 0, 0);
    });
    SendMessageW(dialog.Control(Tprogrammliste::kAnfuegenbut), BM_CLICK, 0, 0);
    EXPECT_EQ(answers_.pathQuestions.size(), 3u);
}

// Read once the list is painted; a program, a folder and the empty row each their own.
TEST_F(ListEditorWindowTest, RowsShowTheShellsIconsOfWhatTheyStart) {
    auto start = NewStart();
    start->state.table.SetSlot(0, "C:\\windows\\notepad.exe", "", "");
    start->state.table.SetSlot(1, folder_.Path(), "", "");
    const HWND list = OpenList(*start).Control(Tprogrammliste::kProgramme);
    ASSERT_TRUE(PumpUntil([&] { return IconOf(list, 0) >= 0 && IconOf(list, 1) >= 0; }));
    const auto icons =
        reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(icons, nullptr);
    EXPECT_LT(IconOf(list, 0), ImageList_GetImageCount(icons));
    EXPECT_NE(IconOf(list, 0), IconOf(list, 1));
    EXPECT_EQ(IconOf(list, 2), I_IMAGENONE) << "the empty row";
}

// Dropped below the rows: a new binding for the first free key, as the shortcut starts.
TEST_F(ListEditorWindowTest, ShortcutDroppedOnTheListFillsTargetArgumentsAndFolder) {
    auto start = NewStart();
    std::string link;
    ASSERT_TRUE(integration::CreateShortcut("C:\\windows\\notepad.exe", integration::slFolder,
                                            folder_.Path(), "C:\\windows\\system32", "-x \"a b\"",
                                            "Notizen", link));
    win32face::Dialog& dialog = OpenList(*start);
    const HWND list = dialog.Control(Tprogrammliste::kProgramme);
    RECT client;
    GetClientRect(list, &client);
    POINT below{client.right / 2, client.bottom - 4};
    MapWindowPoints(list, dialog.Window(), &below, 1);
    PostMessageW(dialog.Window(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(testing_support::DropOf(link, below)), 0);
    std::string key, program, parameters, folder;
    WhileModal user([&] {
        win32face::Dialog& editor = start->faces.DialogNamed("ParameterForm");
        key = ChosenText(editor.Control(Tparameterform::kTaste));
        program = win32face::TextOf(editor.Control(Tparameterform::kProgrammorDir));
        parameters = win32face::TextOf(editor.Control(Tparameterform::kParameter));
        folder = win32face::TextOf(editor.Control(Tparameterform::kVerzeichnis));
        SendMessageW(editor.Control(Tparameterform::kClosebut), BM_CLICK, 0, 0);
    });
    ASSERT_TRUE(PumpUntil([&] { return !key.empty(); }));
    EXPECT_EQ(key, "A: ");
    EXPECT_TRUE(platform::SameText(program, "C:\\windows\\notepad.exe")) << program;
    EXPECT_EQ(parameters, "-x \"a b\"");
    EXPECT_TRUE(platform::SameText(folder, "C:\\windows\\system32")) << folder;
}

} // namespace
