// The launcher window drawn with Qt: the popup, its label and blink timer, the tray icon and
// its menu. Events go to Tmain; what Tmain decides is drawn here.
#pragma once

#include "core/MainForm.h"
#include "dialogs/ControlName.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <map>

class QAction;
class QLabel;
class QMenu;

namespace qtface {

class MainWindow : public QWidget, public core::MainView {
    Q_OBJECT

  public:
    // The label's name, by which the tests find it as well.
    static constexpr dialogs::ControlName kLabel1{"Label1"};

    MainWindow();
    // Events reach the logic from now on; nullptr stops them.
    void Attach(core::Tmain* logic) { logic_ = logic; }

    QSystemTrayIcon* TrayIcon() const { return TrayIcon1; }
    QMenu* PopupMenu() const { return PopupMenu1; }
    // The last tray notice, also the title of its window where the program draws it.
    const QString& LastNotice() const { return lastNotice_; }

    core::Size ScreenSize() const override;
    config::WindowBounds Bounds() const override;
    void SetBounds(const config::WindowBounds& bounds) override;
    core::Size ClientSize() const override;
    void SetCaption(const std::string& caption) override;
    void SetFrameStyle(int style) override;
    void SetBareFrame(bool dialogFrame) override;
    void SetBackground(int windowsColor) override;
    void SetHint(const std::string& hint) override;
    void SetLabelText(const std::string& text) override;
    core::Size SetLabelFontSize(int points) override;
    void MoveLabel(int left, int top) override;
    void SetBlinkInterval(int milliseconds) override;
    void SetBlinking(bool running) override;
    void PreparePopup() override;
    bool IsPopupShown() const override;
    void ShowPopup() override;
    void HidePopup() override;
    void BringToFront() override;
    void ShowTrayIcon() override;
    bool TrayAvailable() const override;
    bool GrabsKeys() const override;
    void ShowNotice(const std::string& title, const std::string& text) override;
    void SetMenuItemEnabled(core::MenuItem item, bool enabled) override;
    void OpenMenuAtCursor() override;
    void ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) override;
    void EndProgram() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenu();

    core::Tmain* logic_ = nullptr;
    QMenu* PopupMenu1;
    std::map<core::MenuItem, QAction*> menuItems_;
    QTimer* Timer1;
    QLabel* Label1;
    QSystemTrayIcon* TrayIcon1;
    QString lastNotice_;
};

} // namespace qtface
