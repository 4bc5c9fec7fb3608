// The launcher window: a small always-on-top popup that the global hotkey brings up and that
// starts the binding of the next key pressed. It owns the tray icon and its menu, the two
// hotkeys and the single-instance component.
#pragma once

#include "components/Fishotkey.h"
#include "components/InstanceCheck.h"
#include "core/ProgramState.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;

namespace dialogs {
class THauptformular;
}

namespace core {

// The look of the popup: 0 "Normal" (dialog frame), 1 "ohne Rand", 2 "Kreis".
enum PopupStyle : int { kStyleNormal = 0, kStyleBorderless = 1, kStyleCircle = 2 };

class Tmain : public QWidget {
    Q_OBJECT

  public:
    explicit Tmain(ProgramState& state);
    ~Tmain() override;

    // Applies a look: blink interval, the two colours (Windows colour values), size.
    void Neues_Design(int blinkfrequenz, int color1, int color2, int breite, int hoehe);

    // The settings hub, whose handlers the tray menu calls.
    void SetHub(dialogs::THauptformular* hub);

    components::Tfishotkey hotkey;
    components::Tfishotkey adminhotkey;

    void Hotkeyhotkey();
    void Adminhotkeyhotkey();
    void Verbergen();
    void Beenden1Click();
    void Einstellungen1Click();
    void StartEntry(const std::string& path, const std::string& workDir, const std::string& params);

    QSystemTrayIcon* TrayIcon() const { return TrayIcon1; }
    QMenu* PopupMenu() const { return PopupMenu1; }
    // The last tray notice, also the title of its balloon window.
    const QString& LastNotice() const { return lastNotice_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void BuildMenu();
    void ApplyStyle(int style);
    void Formkeypress(QChar key);
    void Formkeydown(int virtualKey);
    void StartSlot(int index);
    void Timertimer();
    void ShowPopup(bool adminMode);
    void MinimizeToTray();
    void UpdateMenuForVisibility();
    void ShowNotice(const QString& notice);

    ProgramState& state_;
    dialogs::THauptformular* hub_ = nullptr;

    QMenu* PopupMenu1;
    QAction* Zeigen1;
    QAction* Verbergen1;
    QAction* Beenden1;
    QMenu* Einstellungen1;
    QTimer* Timer1;
    QLabel* Label1;
    components::TInstanceCheck InstanceCheck1;
    QSystemTrayIcon* TrayIcon1;

    bool Leuchtend = false;
    int Farbe1 = 255;
    int Farbe2 = static_cast<int>(0xFF000001u);
    QString lastNotice_;
};

} // namespace core
