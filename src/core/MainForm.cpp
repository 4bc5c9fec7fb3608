#include "core/MainForm.h"

#include "components/ShortCut.h"
#include "config/Appearance.h"
#include "config/IniFile.h"
#include "core/SessionShortcutTexts.h"

#include <algorithm>
#include <utility>

namespace core {

namespace {

constexpr unsigned kEscape = 27;
constexpr int kLargestFontSize = 40;
constexpr const char* kLabelText = "Tippomat aktiv\rTaste drücken";

// The way to the popup: the hotkey where the program grabs one, else the command to bind in the
// desktop's keyboard settings, quoted where the path has a blank.
std::string WithoutTrayText(components::ShortcutValue hotkey, bool grabsKeys,
                            const std::string& programPath) {
    std::string text = "Dieser Desktop hat keinen Infobereich für das Tippomat-Symbol. Darum "
                       "zeigt Tippomat beim Start die Einstellungen; „Schließen“ beendet "
                       "Tippomat.\r\r";
    if (grabsKeys && hotkey != 0) {
        return text + "Das Tippomat-Fenster öffnen Sie mit " + components::ShortCutToText(hotkey) +
               ".";
    }
    return text +
           "Um das Tippomat-Fenster zu öffnen, binden Sie in den Tastatureinstellungen "
           "des Desktops ein Tastenkürzel an den Befehl:\r" +
           PopupCommand(programPath);
}

} // namespace

Tmain::Tmain(ProgramState& state, MainView& view)
    : state_(state), view_(view), InstanceCheck1([this] { BringToFront(); }) {
    state_.hotkey.Onhotkey = [this] { Hotkeyhotkey(); };
    state_.adminhotkey.Onhotkey = [this] { Adminhotkeyhotkey(); };
    state_.HotkeysApplied = [this] { TellBusyHotkeys(); };
    state_.HotkeyWithoutKey = [this](components::SessionShortcutGap gap,
                                     const components::Tfishotkey& hotkey) {
        TellHotkeyWithoutKey(gap, hotkey);
    };
    InstanceCheck1.OnNewInstance = [this](components::TInstanceCheck& sender,
                                          std::uint32_t processId,
                                          const std::vector<std::string>& params, bool& allow) {
        InstanceCheck1NewInstance(sender, processId, params, allow);
    };
    FormCreate();
}

Tmain::~Tmain() {
    FormDestroy();
    state_.hotkey.Onhotkey = nullptr;
    state_.adminhotkey.Onhotkey = nullptr;
    state_.HotkeysApplied = nullptr;
    state_.HotkeyWithoutKey = nullptr;
}

void Tmain::SetHauptformular(Hauptformular* hauptformular) {
    hauptformular_ = hauptformular;
}

void Tmain::FormCreate() {
    // Straight to the tray, before the hidden popup takes its look.
    ApplicationEvents1Minimize();
    if (state_.findLocation) {
        state_.location = std::exchange(state_.findLocation, nullptr)();
    }
    config::PopupAppearance look;
    try {
        const Size screen = view_.ScreenSize();
        view_.SetBounds(config::LoadWindowBounds(state_.location.IniPath, "main", view_.Bounds(),
                                                 screen.width, screen.height));
        look = config::ReadPopupAppearance(config::IniFile(state_.location.IniPath));
    } catch (const config::IniFileError& error) {
        // An unreadable file gives the defaults; the program runs on.
        view_.ShowMessage(MessageKind::Error, error.what(), 0);
    }
    Neues_Design(look.blinkfrequenz, look.farbe1, look.farbe2, look.breite, look.hoehe);
    view_.SetFrameStyle(look.stil);
}

void Tmain::FormDestroy() {
    try {
        config::SaveWindowBounds(state_.location.IniPath, "main", view_.Bounds());
    } catch (const config::IniFileError&) {
        // Nothing to report at exit: the bounds are kept from the last run.
    }
}

void Tmain::Neues_Design(int blinkfrequenz, int color1, int color2, int breite, int hoehe) {
    config::WindowBounds bounds = view_.Bounds();
    bounds.width = breite;
    bounds.height = hoehe;
    view_.SetBounds(bounds);
    blinkInterval_ = blinkfrequenz;
    if (blinkInterval_ > 0) {
        view_.SetBlinkInterval(blinkInterval_);
    }
    Farbe1 = color1;
    Farbe2 = color2;
    if (view_.IsPopupShown()) {
        Blink();
    }
    view_.SetLabelText(kLabelText);
    // Fitted when the program is idle or the popup is next seen: measuring text loads the font
    // system, which would compete with the tray icon at start-up.
    labelFitted_ = false;
    if (view_.IsPopupShown()) {
        FitLabel();
    }
}

void Tmain::ApplyStyle(int style) {
    if (style == kStyleNormal || style == kStyleBorderless) {
        view_.SetBareFrame(style == kStyleNormal);
    }
}

// The largest size below kLargestFontSize whose text fits the window, 0 when none does. Text
// grows with its size, so halving the range finds it in a few measurements: each one makes a
// font.
void Tmain::FitLabel() {
    if (labelFitted_) {
        return;
    }
    labelFitted_ = true;
    const Size client = view_.ClientSize();
    int fits = 0;
    int tooLarge = kLargestFontSize;
    while (tooLarge - fits > 1) {
        const int size = (fits + tooLarge) / 2;
        const Size label = view_.SetLabelFontSize(size);
        if (label.width <= client.width && label.height <= client.height) {
            fits = size;
        } else {
            tooLarge = size;
        }
    }
    const Size label = view_.SetLabelFontSize(fits);
    view_.MoveLabel((client.width - label.width) / 2, (client.height - label.height) / 2);
}

// An interval of 0 or below means no blinking: the popup keeps its first colour instead of
// flickering as fast as the timer can go.
void Tmain::Blink() {
    if (blinkInterval_ > 0) {
        view_.SetBlinking(true);
        return;
    }
    view_.SetBlinking(false);
    view_.SetBackground(Farbe1);
}

void Tmain::Timertimer() {
    if (!view_.IsPopupShown()) {
        return;
    }
    Leuchtend = !Leuchtend;
    view_.SetBackground(Leuchtend ? Farbe1 : Farbe2);
}

// A character that comes after its key has already hidden the popup starts nothing.
void Tmain::Formkeypress(char32_t key) {
    if (view_.IsPopupShown()) {
        StartSlot(config::SlotOfCharacter(key));
    }
}

void Tmain::Formkeydown(unsigned virtualKey) {
    StartSlot(config::SlotOfFunctionKey(virtualKey));
    if (virtualKey == kEscape) {
        Verbergen();
    }
}

void Tmain::StartSlot(int index) {
    if (index < 0) {
        return;
    }
    std::string path, workDir, params;
    state_.table.GetSlot(index, path, workDir, params);
    StartEntry(path, workDir, params);
}

void Tmain::StartEntry(const std::string& path, const std::string& workDir,
                       const std::string& params) {
    const LaunchOutcome outcome =
        LaunchPath(path, workDir, params, state_.launch, state_.location.ProgramPath);
    if (!outcome) {
        return;
    }
    Verbergen();
    view_.ShowNotice("Tippomat", StartNotice(path, outcome.startedPath));
}

void Tmain::FormMouseDown(MouseButton button) {
    if (button == MouseButton::Left) {
        view_.SetHint(state_.table.KeyListText());
    } else if (button == MouseButton::Right) {
        view_.SetMenuItemEnabled(MenuItem::Zeigen1, false);
        view_.SetMenuItemEnabled(MenuItem::Verbergen1, true);
        view_.OpenMenuAtCursor();
    }
}

void Tmain::TrayIcon1MouseDown() {
    const bool shown = view_.IsPopupShown();
    view_.SetMenuItemEnabled(MenuItem::Verbergen1, shown);
    view_.SetMenuItemEnabled(MenuItem::Zeigen1, !shown);
}

void Tmain::ShowPopup(bool adminMode, const char* caption) {
    FitLabel();
    state_.launch.AdminMode = adminMode;
    caption_ = caption;
    view_.SetCaption(caption_);
    view_.ShowPopup();
    Blink();
}

void Tmain::Hotkeyhotkey() {
    ShowPopup(false, "Start als User... ");
}

void Tmain::Adminhotkeyhotkey() {
    ShowPopup(true, "Start als Admin... ");
}

void Tmain::ShowRequested(PopupRequest request) {
    if (request == PopupRequest::User) {
        Hotkeyhotkey();
    } else if (request == PopupRequest::Admin) {
        Adminhotkeyhotkey();
    }
}

void Tmain::Verbergen() {
    ApplicationEvents1Minimize();
}

// Every minimise hides the window to the tray. The blink timer rests while nobody sees it.
void Tmain::ApplicationEvents1Minimize() {
    view_.SetBlinking(false);
    view_.HidePopup();
    view_.ShowTrayIcon();
}

void Tmain::ApplicationEvents1Idle() {
    FitLabel();
    view_.PreparePopup();
}

void Tmain::Einstellungen1Click() {
    if (hauptformular_ != nullptr) {
        hauptformular_->Show();
    }
    view_.SetBlinking(false);
    view_.HidePopup();
}

void Tmain::Beenden1Click() {
    view_.EndProgram();
}

// The windows a modal dialog runs over must stay as they are until it is closed.
void Tmain::MenuClick(MenuItem item) {
    if (state_.modalDialogs > 0) {
        return;
    }
    switch (item) {
    case MenuItem::Zeigen1:
        Hotkeyhotkey();
        return;
    case MenuItem::Verbergen1:
        Verbergen();
        return;
    case MenuItem::Einstellungsdialog1:
        Einstellungen1Click();
        return;
    case MenuItem::Beenden1:
        Beenden1Click();
        return;
    default:
        break;
    }
    const auto& menu = TrayMenu();
    const auto entry = std::find_if(menu.begin(), menu.end(),
                                    [item](const MenuEntry& e) { return e.item == item; });
    if (entry != menu.end() && entry->action && hauptformular_ != nullptr) {
        hauptformular_->Run(*entry->action);
    }
}

void Tmain::TellBusyHotkeys() {
    const components::Tfishotkey* hotkeys[] = {&state_.hotkey, &state_.adminhotkey};
    for (int i = 0; i < 2; ++i) {
        const components::Tfishotkey& hotkey = *hotkeys[i];
        if (hotkey.Registered()) {
            toldBusy_[i] = 0;
        } else if ((hotkey.HeldElsewhere() || hotkey.NotAvailable()) &&
                   toldBusy_[i] != hotkey.Key()) {
            toldBusy_[i] = hotkey.Key();
            view_.ShowNotice("Tippomat", "Der Shortcut " +
                                             components::ShortCutToText(hotkey.Key()) +
                                             (hotkey.HeldElsewhere()
                                                  ? " ist von einem anderen Programm belegt."
                                                  : " ist auf dieser Tastatur nicht verfügbar."));
        }
    }
}

// A tray notice where there is a tray, else a message. Where the start without a tray named
// the command already, that says it.
void Tmain::TellHotkeyWithoutKey(components::SessionShortcutGap gap,
                                 const components::Tfishotkey& hotkey) {
    if (toldPopupCommand_) {
        return;
    }
    toldPopupCommand_ = true;
    const std::string text = HotkeyWithoutKeyText(gap, hotkey.Key(), state_.location.ProgramPath);
    if (view_.TrayAvailable()) {
        view_.ShowNotice("Tippomat", text);
    } else {
        view_.ShowMessage(MessageKind::Information, text, kHelpContext);
    }
}

void Tmain::ShowHubWithoutTray() {
    if (view_.TrayAvailable() || hauptformular_ == nullptr) {
        return;
    }
    hauptformular_->Show();
    toldPopupCommand_ = !view_.GrabsKeys();
    view_.ShowMessage(
        MessageKind::Information,
        WithoutTrayText(state_.hotkey.Key(), view_.GrabsKeys(), state_.location.ProgramPath),
        kHelpContext);
}

// A second start of the program brings this copy up; mode and caption stay as they are.
void Tmain::BringToFront() {
    FitLabel();
    view_.BringToFront();
    Blink();
}

// No copy runs beside this one; one started with --popup or --admin-popup brings the popup up
// in that mode (its first word is the program's own name).
void Tmain::InstanceCheck1NewInstance(components::TInstanceCheck&, std::uint32_t,
                                      const std::vector<std::string>& params, bool& allow) {
    allow = false;
    if (!params.empty()) {
        ShowRequested(ReadStartOptions({params.begin() + 1, params.end()}).popup);
    }
}

} // namespace core
