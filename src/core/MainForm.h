// The launcher window: a small always-on-top popup that the global hotkey brings up and that
// starts the binding of the next key pressed. It owns the tray icon and its menu
// (TrayMenu.h) and the single-instance component; a face draws it through MainView (MainView.h).
#pragma once

#include "components/InstanceCheck.h"
#include "config/Appearance.h"
#include "core/Hauptformular.h"
#include "core/MainView.h"
#include "core/ProgramState.h"
#include "core/StartOptions.h"
#include "core/TrayMenu.h"

#include <string>
#include <vector>

namespace core {

class Tmain {
  public:
    // The help topic of the launcher window and its tray menu.
    static constexpr int kHelpContext = 600;

    // Runs FormCreate: the window ends up hidden, with the tray icon shown.
    Tmain(ProgramState& state, MainView& view);
    // Runs FormDestroy.
    ~Tmain();
    Tmain(const Tmain&) = delete;
    Tmain& operator=(const Tmain&) = delete;

    // The hub whose actions the menu's settings entries run.
    void SetHauptformular(Hauptformular* hauptformular);

    void Neues_Design(int blinkfrequenz, int color1, int color2, int breite, int hoehe);
    // The frame style chosen in the appearance dialog, at once: "Normal" a dialog frame without
    // border icons, "ohne Rand" none; "Kreis" and no choice leave the frame as it is, since the
    // ellipse is cut only at start.
    void ApplyStyle(int style);
    // Saves the window's bounds; also where the system ends the session before the destructor.
    void FormDestroy();

    void Formkeypress(char32_t key);
    void Formkeydown(unsigned virtualKey);
    void FormMouseDown(MouseButton button);
    void TrayIcon1MouseDown();
    void Timertimer();
    void Hotkeyhotkey();
    void Adminhotkeyhotkey();
    // A start with --popup or --admin-popup: shown as by the hotkey of that mode.
    void ShowRequested(PopupRequest request);
    void Verbergen();
    void Beenden1Click();
    void Einstellungen1Click();
    void MenuClick(MenuItem item);
    void ApplicationEvents1Minimize();
    // The first time the program is idle after the tray icon is up: what neither the start nor
    // the tray icon needs, but the popup's first show would otherwise wait for, is made now.
    void ApplicationEvents1Idle();
    // A hotkey that another program holds, or that no key of the keyboard makes, is told once
    // per shortcut, as a tray notice: the hub would show it as set while pressing it does
    // nothing.
    void TellBusyHotkeys();
    // Once the windows exist: where the desktop has no notification area, nothing else would
    // show that the program runs, so the hub shows with how to reach the popup.
    void ShowHubWithoutTray();
    // The desktop carries the hotkeys but brings one to no key: the way to the popup is told
    // once per run.
    void TellHotkeyWithoutKey(components::SessionShortcutGap gap,
                              const components::Tfishotkey& hotkey);
    void StartEntry(const std::string& path, const std::string& workDir, const std::string& params);

    const std::string& Caption() const { return caption_; }

  private:
    void FormCreate();
    // The largest font size whose text fits the window; done once per look, when the program is
    // first idle or before the popup is next seen.
    void FitLabel();
    void BringToFront();
    void Blink();
    void StartSlot(int index);
    void ShowPopup(bool adminMode, const char* caption);
    void InstanceCheck1NewInstance(components::TInstanceCheck& sender, std::uint32_t processId,
                                   const std::vector<std::string>& params, bool& allow);

    ProgramState& state_;
    MainView& view_;
    Hauptformular* hauptformular_ = nullptr;
    components::TInstanceCheck InstanceCheck1;

    bool Leuchtend = false;
    int Farbe1 = config::PopupAppearance().farbe1;
    int Farbe2 = config::PopupAppearance().farbe2;
    int blinkInterval_ = 200; // 0 or below: no blinking
    bool labelFitted_ = false;
    components::ShortcutValue toldBusy_[2] = {0, 0}; // hotkey, adminhotkey
    bool toldPopupCommand_ = false;
    std::string caption_ = "Tippomat";
};

} // namespace core
