// The Win32 face of the appearance and drive dialogs: opened from the hub, the colour buttons'
// swatches and chooser, the numbers as the edit shows them, the style in two columns, and the
// popup changed at once when the dialog closes.
#include "dialogs/ControlValue.h"
#include "dialogs/EinstellungenHauptformular.h"
#include "platform/WinText.h"
#include "win32/FaceFixture_win.h"

#include <commctrl.h>

#include <set>

namespace {

using dialogs::TEinstellungenHaupt;
using dialogs::THauptformular;
using dialogs::Tlaufwerksform;
using testing_support::FaceTest;

class AppearanceWindowTest : public FaceTest {
  protected:
    static win32face::Dialog& Opened(Start& start, dialogs::ControlName button,
                                     const std::string& name) {
        start.program.hauptformular.Clicked(button);
        return start.faces.DialogNamed(name);
    }
};

// The colour in the middle of a button's picture.
COLORREF SwatchOf(HWND button) {
    BUTTON_IMAGELIST images{};
    SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    ImageList_Draw(images.himl, 0, dc, 0, 0, ILD_NORMAL);
    const COLORREF colour = GetPixel(dc, 8, 8);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string TextOf(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return platform::Narrow(text);
}

TEST_F(AppearanceWindowTest, ClosingChangesThePopupAtOnceAndStoresTheValues) {
    auto start = NewStart();
    win32face::Dialog& dialog = Opened(*start, THauptformular::kAussehenbut, "EinstellungenHaupt");
    ASSERT_TRUE(IsWindowVisible(dialog.Window()));
    EXPECT_EQ(TextOf(dialog.Control(TEinstellungenHaupt::kBlinkfrequenz)),
              dialogs::NumericEditText(200));
    EXPECT_EQ(SwatchOf(dialog.Control(TEinstellungenHaupt::kFarbe1)), RGB(255, 0, 0));

    std::set<LONG> columns;
    for (HWND child = FindWindowExW(dialog.Window(), nullptr, WC_BUTTONW, nullptr);
         child != nullptr; child = FindWindowExW(dialog.Window(), child, WC_BUTTONW, nullptr)) {
        const std::string caption = TextOf(child);
        if (caption == "Normal" || caption == "ohne Rand" || caption == "Kreis") {
            RECT place;
            GetWindowRect(child, &place);
            columns.insert(place.left);
        }
    }
    EXPECT_EQ(columns.size(), 2u) << "the style's choices in two columns";

    answers_.colors = {0x00FF00};
    SendMessageW(dialog.Control(TEinstellungenHaupt::kFarbe1), BM_CLICK, 0, 0);
    EXPECT_EQ(answers_.colorQuestions, std::vector<int>{255}) << "preset to the current colour";
    EXPECT_EQ(SwatchOf(dialog.Control(TEinstellungenHaupt::kFarbe1)), RGB(0, 255, 0));

    SetWindowTextW(dialog.Control(TEinstellungenHaupt::kBreite), L"150");
    SendMessageW(dialog.Control(TEinstellungenHaupt::kOKButton), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(dialog.Window()));
    RECT client;
    GetClientRect(start->main.Handle(), &client);
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 100);
    EXPECT_NE(IniText().find("breite=150\r\n"), std::string::npos) << IniText();
    EXPECT_NE(IniText().find("Farbe1=65280\r\n"), std::string::npos) << IniText();
}

TEST_F(AppearanceWindowTest, DriveDialogListsTheFixedDrivesAndHoldsTheModeChoice) {
    auto start = NewStart();
    win32face::Dialog& dialog = Opened(*start, THauptformular::kLaufwerkbut, "laufwerksform");
    const HWND source = dialog.Control(Tlaufwerksform::kSourcedrive);
    EXPECT_EQ(GetWindowLongPtrW(source, GWL_STYLE) & 0x3, CBS_DROPDOWNLIST) << "no free text";
    wchar_t first[8] = {};
    SendMessageW(source, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_EQ(std::wstring(first), L"C:") << "the first fixed drive, chosen";
    EXPECT_EQ(SendMessageW(source, CB_GETCURSEL, 0, 0), 0);
    const HWND search =
        FindWindowExW(dialog.Window(), nullptr, WC_BUTTONW, L"Suche nach Laufwerk mit Programm");
    HWND choice = search;
    for (HWND frame = FindWindowExW(dialog.Window(), nullptr, WC_BUTTONW, nullptr);
         choice == nullptr && frame != nullptr;
         frame = FindWindowExW(dialog.Window(), frame, WC_BUTTONW, nullptr)) {
        choice = FindWindowExW(frame, nullptr, WC_BUTTONW, L"Suche nach Laufwerk mit Programm");
    }
    ASSERT_NE(choice, nullptr);
    SendMessageW(choice, BM_CLICK, 0, 0);
    SendMessageW(dialog.Control(Tlaufwerksform::kOkbut), BM_CLICK, 0, 0);
    EXPECT_EQ(start->state.launch.DriveMode, 2);
    EXPECT_NE(IniText().find("laufwerkmode=2\r\n"), std::string::npos) << IniText();
}

} // namespace
