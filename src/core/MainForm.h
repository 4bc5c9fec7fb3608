// The launcher window: a small always-on-top popup that the global hotkey brings up and that
// starts the binding of the next key pressed. It owns the tray icon and its menu and the
// single-instance component; a face draws it through MainView.
#pragma once

#include "components/InstanceCheck.h"
#include "config/Appearance.h"
#include "config/FormStateFile.h"
#include "core/MessageKind.h"
#include "core/ProgramState.h"
#include "core/StartOptions.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The look of the popup: 0 "Normal" (dialog frame), 1 "ohne Rand", 2 "Kreis".
enum PopupStyle : int { kStyleNormal = 0, kStyleBorderless = 1, kStyleCircle = 2 };

enum class MenuItem {
    Zeigen1,
    Verbergen1,
    Einstellungen1,
    Einstellungsdialog1,
    N1,
    Editieren1,
    Aussehen1,
    Installieren1,
    Laufwerkwechseln1,
    Adminmodus1,
    Information1,
    Hilfe1,
    Beenden1,
};

// What the settings hub does for the tray menu: each is one of its buttons.
enum class HubAction { Edit, Appearance, Install, SwitchDrive, Admin, Information, Help };

// One entry of the tray menu. The entries of the submenu mostly run a hub action.
struct MenuEntry {
    MenuItem item;
    const char* caption; // "-" for a separator
    int image;           // index into the hub's image list, -1 for none
    bool inSubmenu;      // under "Einstellungen"
    std::optional<HubAction> action{};

    // "Einstellungen" opens the submenu that the entries after it fill.
    bool OpensSubmenu() const { return item == MenuItem::Einstellungen1; }
    bool IsSeparator() const { return std::string_view(caption) == "-"; }
};

// The tray menu in its order.
const std::vector<MenuEntry>& TrayMenu();

enum class MouseButton { Left, Right, Other };

struct Size {
    int width;
    int height;
};

// What the launcher window's logic asks of a face.
class MainView {
  public:
    virtual Size ScreenSize() const = 0; // the primary screen
    virtual config::WindowBounds Bounds() const = 0;
    virtual void SetBounds(const config::WindowBounds& bounds) = 0;
    virtual Size ClientSize() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // kStyleNormal: dialog frame; kStyleCircle: cut to the ellipse of the current size; any
    // other value: no frame.
    virtual void SetFrameStyle(int style) = 0;
    // The frames the appearance dialog applies: a dialog frame without border icons (so no
    // close box), or no frame at all.
    virtual void SetBareFrame(bool dialogFrame) = 0;
    virtual void SetBackground(int windowsColor) = 0;
    virtual void SetHint(const std::string& hint) = 0;

    virtual void SetLabelText(const std::string& text) = 0;
    // Sets the label's font size in points (0: the smallest the platform draws); the label
    // takes the size of its text, which is returned.
    virtual Size SetLabelFontSize(int points) = 0;
    virtual void MoveLabel(int left, int top) = 0;

    virtual void SetBlinkInterval(int milliseconds) = 0;
    virtual void SetBlinking(bool running) = 0;

    virtual bool IsPopupShown() const = 0;
    // Shown normal, on top, in front, with the keyboard.
    virtual void ShowPopup() = 0;
    virtual void HidePopup() = 0;
    virtual void BringToFront() = 0;

    virtual void ShowTrayIcon() = 0;
    virtual void ShowNotice(const std::string& title, const std::string& text) = 0;
    virtual void SetMenuItemEnabled(MenuItem item, bool enabled) = 0;
    virtual void OpenMenuAtCursor() = 0;

    virtual void ShowMessage(MessageKind kind, const std::string& text, int helpContext) = 0;
    // Ends the message loop without closing the dialogs: their close handlers must not run.
    virtual void EndProgram() = 0;

  protected:
    ~MainView() = default;
};

// The settings hub as the launcher reaches it: shown from the menu, which runs its actions.
class Hauptformular {
  public:
    // Shown, or brought to the front when it is.
    virtual void Show() = 0;
    virtual void Run(HubAction action) = 0;

  protected:
    ~Hauptformular() = default;
};

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
    // A hotkey that another program holds, or that no key of the keyboard makes, is told once
    // per shortcut, as a tray notice: the hub would show it as set while pressing it does
    // nothing.
    void TellBusyHotkeys();
    void StartEntry(const std::string& path, const std::string& workDir, const std::string& params);

    const std::string& Caption() const { return caption_; }

  private:
    void FormCreate();
    // The largest font size whose text fits the window; done once per look, before the popup is
    // first seen.
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
    std::string caption_ = "Tippomat";
};

} // namespace core
