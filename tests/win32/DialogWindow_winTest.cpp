// The hub and the admin dialog as Win32 windows: what they show, where, in which tab order, and
// what their keys, buttons and closes do.
#include "win32/FaceFixture_win.h"

#include "gui/win32/WindowBasics.h"

#include <algorithm>

#include <commctrl.h>

namespace {

using dialogs::TAdmindata;
using dialogs::THauptformular;
using testing_support::FaceTest;
using testing_support::KeyDownIn;

RECT ClientRectOf(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// The names of the controls in the order Tab walks them (the dialog manager's order), from the
// first one on, once round.
std::vector<std::string> TabWalk(win32face::Dialog& form, const dialogs::DialogLayout& layout) {
    std::vector<std::string> names;
    for (HWND at = GetNextDlgTabItem(form.Window(), nullptr, FALSE);;
         at = GetNextDlgTabItem(form.Window(), at, FALSE)) {
        const auto control = std::find_if(
            layout.controls.begin(), layout.controls.end(),
            [&](const dialogs::ControlLayout& c) { return form.Control(c.name) == at; });
        if (control == layout.controls.end() ||
            std::find(names.begin(), names.end(), control->name) != names.end()) {
            return names;
        }
        names.push_back(control->name);
    }
}

class DialogWindowTest : public FaceTest {};

TEST_F(DialogWindowTest, HubAndAdminShowTheirControlsAtTheirPlaces) {
    auto start = NewStart();
    for (win32face::Dialog* form : {&start->hub, &start->admin}) {
        const dialogs::DialogLayout& layout =
            form == &start->hub ? dialogs::THauptformular::Form() : dialogs::TAdmindata::Form();
        SCOPED_TRACE(layout.name);
        EXPECT_EQ(win32face::TextOf(form->Window()), layout.caption);
        EXPECT_FALSE(IsWindowVisible(form->Window())) << "created hidden";
        const UINT dpi = GetDpiForWindow(form->Window());
        RECT client;
        GetClientRect(form->Window(), &client);
        EXPECT_EQ(client.right, win32face::Scale(layout.clientWidth, dpi));
        EXPECT_EQ(client.bottom, win32face::Scale(layout.clientHeight, dpi));
        for (const dialogs::ControlLayout& control : layout.controls) {
            SCOPED_TRACE(control.name);
            const HWND window = form->Control(control.name);
            ASSERT_NE(window, nullptr);
            const bool isEdit = control.kind == dialogs::ControlKind::LabeledEdit;
            EXPECT_EQ(win32face::TextOf(window), isEdit ? control.text : control.caption);
            const RECT place = ClientRectOf(window);
            EXPECT_EQ(place.left, win32face::Scale(control.left, dpi));
            EXPECT_EQ(place.top, win32face::Scale(control.top, dpi));
            EXPECT_EQ(place.right - place.left, win32face::Scale(control.width, dpi));
            EXPECT_EQ(place.bottom - place.top, win32face::Scale(control.height, dpi));
            EXPECT_EQ(IsWindowEnabled(window) != FALSE, control.enabled);
            const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
            EXPECT_EQ((style & ES_READONLY) != 0, isEdit && control.readOnly);
        }
    }
    // Edits carry their label above them.
    const HWND kuerzel = start->hub.Control(THauptformular::kKuerzel);
    const HWND label = FindWindowExW(start->hub.Window(), nullptr, WC_STATICW, L"ShortCut:");
    ASSERT_NE(label, nullptr);
    EXPECT_LE(ClientRectOf(label).bottom, ClientRectOf(kuerzel).top);
    EXPECT_EQ(GetWindowLongPtrW(start->hub.Control(THauptformular::kOkbut), GWL_STYLE) &
                  BS_TYPEMASK,
              BS_DEFPUSHBUTTON);
}

TEST_F(DialogWindowTest, TabWalksTheEnabledControlsInTabOrder) {
    auto start = NewStart();
    start->program.hauptformular.Show();
    EXPECT_EQ(TabWalk(start->hub, dialogs::THauptformular::Form()),
              (std::vector<std::string>{THauptformular::kInstallbutton, THauptformular::kAdmibutton,
                                        THauptformular::kInfobut, THauptformular::kLaufwerkbut,
                                        THauptformular::kEditbutton, THauptformular::kAussehenbut,
                                        THauptformular::kOkbut, THauptformular::kClosebut,
                                        THauptformular::kHelpBut, THauptformular::kPortableModus,
                                        THauptformular::kKuerzel}));
    start->program.hauptformular.Close();
    start->program.admindata.Show();
    EXPECT_EQ(
        TabWalk(start->admin, dialogs::TAdmindata::Form()),
        (std::vector<std::string>{TAdmindata::kBenutzername, TAdmindata::kPasswort,
                                  TAdmindata::kKuerzel, TAdmindata::kOkbut, TAdmindata::kHelpbut}));
}

// A key going down in a window while the modifiers are held, as this thread's key state says.
void KeyDownHolding(HWND window, WPARAM key, std::initializer_list<BYTE> modifiers,
                    UINT message = WM_KEYDOWN) {
    BYTE before[256];
    GetKeyboardState(before);
    BYTE held[256] = {};
    for (const BYTE modifier : modifiers) {
        held[modifier] = 0x80;
    }
    SetKeyboardState(held);
    KeyDownIn(window, key, message);
    SetKeyboardState(before);
}

TEST_F(DialogWindowTest, ShortcutFieldsShowTheLastCombinationPressed) {
    auto start = NewStart();
    auto& windows = *start;
    windows.program.hauptformular.Show();
    const HWND hubField = windows.hub.Control(THauptformular::kKuerzel);
    KeyDownHolding(hubField, VK_CONTROL, {VK_CONTROL});
    KeyDownHolding(hubField, VK_MENU, {VK_CONTROL, VK_MENU});
    KeyDownHolding(hubField, 'K', {VK_CONTROL, VK_MENU});
    EXPECT_EQ(win32face::TextOf(hubField), "Strg+Alt+K");
    windows.program.hauptformular.Close();

    windows.program.admindata.Show();
    KeyDownHolding(windows.admin.Control(TAdmindata::kKuerzel), VK_F5, {VK_SHIFT, VK_CONTROL});
    EXPECT_EQ(windows.admin.Text(TAdmindata::kKuerzel), "Umsch+Strg+F5");
}

TEST_F(DialogWindowTest, AltWithALetterIsTheFieldsAndEnterPressesTheFocusedButton) {
    auto start = NewStart();
    auto& windows = *start;
    windows.program.hauptformular.Show();
    // Alt+M would otherwise be the mnemonic of "&Minimieren", which closes the hub.
    KeyDownHolding(windows.hub.Control(THauptformular::kKuerzel), 'M', {VK_MENU}, WM_SYSKEYDOWN);
    EXPECT_EQ(windows.hub.Text(THauptformular::kKuerzel), "Alt+M");
    EXPECT_TRUE(IsWindowVisible(windows.hub.Window()));

    const HWND help = windows.hub.Control(THauptformular::kHelpBut);
    SetFocus(help);
    KeyDownIn(help, VK_RETURN);
    EXPECT_EQ(helpTopics_, std::vector<int>{900});
    EXPECT_TRUE(IsWindowVisible(windows.hub.Window())) << "not the default button's close";
}

TEST_F(DialogWindowTest, RefusedShortcutIsReportedAndTheHubClosesAllTheSame) {
    auto start = NewStart();
    auto& windows = *start;
    windows.program.hauptformular.Show();
    SetWindowTextW(windows.hub.Control(THauptformular::kKuerzel), L"Alt+F11");
    SendMessageW(windows.hub.Control(THauptformular::kOkbut), BM_CLICK, 0, 0);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].kind, core::MessageKind::Error);
    EXPECT_EQ(messages_[0].text, "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
                                 "Admin-Shortcut unterscheiden!");
    EXPECT_EQ(messages_[0].helpContext, 400);
    EXPECT_FALSE(IsWindowVisible(windows.hub.Window()));
    EXPECT_EQ(start->state.hotkey.Key(), 0x807B) << "the user hotkey keeps Alt+F12";
    EXPECT_NE(IniText().find("kuerzel=Alt+F11"), std::string::npos) << IniText();
}

TEST_F(DialogWindowTest, EscapeAndCloseBoxCloseAndSaveEnterPressesTheDefaultButton) {
    auto start = NewStart();
    auto& windows = *start;
    windows.program.admindata.Show();
    SetWindowTextW(windows.admin.Control(TAdmindata::kBenutzername), L"Verwalter");
    KeyDownIn(windows.admin.Control(TAdmindata::kPasswort), VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(windows.admin.Window()));
    EXPECT_NE(IniText().find("benutzername=Verwalter"), std::string::npos) << IniText();
    EXPECT_TRUE(start->state.hotkey.Registered() && start->state.adminhotkey.Registered());

    windows.program.admindata.Show();
    EXPECT_FALSE(start->state.hotkey.Registered()) << "off while the dialog is shown";
    KeyDownIn(windows.admin.Control(TAdmindata::kBenutzername), VK_RETURN);
    EXPECT_FALSE(IsWindowVisible(windows.admin.Window())) << "OK closed it";
    EXPECT_TRUE(start->state.hotkey.Registered());

    windows.program.hauptformular.Show();
    SendMessageW(windows.hub.Control(THauptformular::kPortableModus), BM_CLICK, 0, 0);
    SendMessageW(windows.hub.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(windows.hub.Window()));
    EXPECT_TRUE(start->state.PortableMode) << "the close box runs FormClose";
}

TEST_F(DialogWindowTest, F1AndHelpButtonsAskForTheirTopics) {
    auto start = NewStart();
    auto& windows = *start;
    windows.program.hauptformular.Show();
    KeyDownIn(windows.hub.Control(THauptformular::kKuerzel), VK_F1);
    KeyDownIn(windows.hub.Control(THauptformular::kPortableModus), VK_F1);
    SendMessageW(windows.hub.Control(THauptformular::kHelpBut), BM_CLICK, 0, 0);
    windows.program.admindata.Show();
    KeyDownIn(windows.admin.Control(TAdmindata::kOkbut), VK_F1);
    SendMessageW(windows.admin.Control(TAdmindata::kHelpbut), BM_CLICK, 0, 0);
    EXPECT_EQ(helpTopics_, (std::vector<int>{400, 800, 900, 700, 700}));
}

// The title before "|" is set with TTM_SETTITLEW, which Wine cannot report back.
TEST_F(DialogWindowTest, HintsAreBalloonsWithTheirTextThatHideAfterFiveSeconds) {
    auto start = NewStart();
    const auto hints = testing_support::HintsOf(start->hub.Window());
    EXPECT_EQ(hints.size(), 10u) << "every control with a hint; Closebut has none";
    const auto field = hints.find(start->hub.Control(THauptformular::kKuerzel));
    ASSERT_NE(field, hints.end());
    const HWND tip = field->second.tooltip;
    for (const auto& [tool, hint] : hints) {
        EXPECT_EQ(hint.tooltip, tip) << "one tooltip for the dialog";
    }
    EXPECT_EQ(field->second.text, L" Aufruftaste fürr den Tippomat (auch mit STRG+ALT möglich)");
    EXPECT_NE(GetWindowLongPtrW(tip, GWL_STYLE) & TTS_BALLOON, 0);
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 5000);
}

} // namespace
