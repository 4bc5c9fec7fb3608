#include "gui/qt/MainWindow.h"

#include "components/Foreground.h"
#include "dialogs/Questions.h"
#include "gui/qt/Hints.h"
#include "gui/qt/Notice.h"
#include "gui/qt/Pictures.h"
#include "gui/qt/QtKeys.h"
#include "gui/qt/WindowsColors.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegion>
#include <QScreen>
#include <QWindow>

namespace qtface {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("main");
    setWindowTitle("Tippomat");
    resize(219, 143);
    move(6, 37);
    QFont tahoma("Tahoma");
    tahoma.setPixelSize(13);
    setFont(tahoma);
    setToolTip("Tippomat");
    // F1 starts a binding here; the help context serves the menu.
    SetHelpContext(this, core::Tmain::kHelpContext);

    Label1 = new QLabel("Tippomat aktiv!", this);
    Label1->setObjectName(kLabel1.c_str());
    Label1->move(15, 60);
    QFont labelFont("Tahoma");
    labelFont.setPixelSize(15);
    Label1->setFont(labelFont);
    QPalette white = Label1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(white);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (logic_ != nullptr) {
            logic_->Timertimer();
        }
    });

    TrayIcon1 = new QSystemTrayIcon(TrayPicture(), this);
    TrayIcon1->setToolTip("Rechts klicken um Menü aufzurufen");
    BuildMenu();
    TrayIcon1->setContextMenu(PopupMenu1);
}

void MainWindow::BuildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    SetHelpContext(PopupMenu1, core::Tmain::kHelpContext);
    QMenu* submenu = nullptr;
    for (const core::MenuEntry& entry : core::TrayMenu()) {
        QMenu* into = entry.inSubmenu ? submenu : PopupMenu1;
        if (entry.OpensSubmenu()) {
            submenu = PopupMenu1->addMenu(entry.caption);
            menuItems_[entry.item] = submenu->menuAction();
            continue;
        }
        if (entry.IsSeparator()) {
            menuItems_[entry.item] = into->addSeparator();
            continue;
        }
        QAction* action = into->addAction(entry.caption, this, [this, item = entry.item] {
            if (logic_ != nullptr) {
                logic_->MenuClick(item);
            }
        });
        menuItems_[entry.item] = action;
    }
    // Opened from the window (always shown then) the states come out the same. The pictures
    // are looked up the first time the menu opens, not at start-up.
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        if (PopupMenu1->property("pictured").toBool() == false) {
            PopupMenu1->setProperty("pictured", true);
            for (const core::MenuEntry& entry : core::TrayMenu()) {
                if (entry.image >= 0) {
                    menuItems_.at(entry.item)->setIcon(PictureIcon(dialogs::HubImage(entry.image)));
                }
            }
        }
        if (logic_ != nullptr) {
            logic_->TrayIcon1MouseDown();
        }
    });
}

core::Size MainWindow::ScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? core::Size{screen->size().width(), screen->size().height()}
                             : core::Size{1024, 768};
}

config::WindowBounds MainWindow::Bounds() const {
    return {width(), height(), x(), y()};
}

// The popup is never sized by the user: only the appearance settings size it.
void MainWindow::SetBounds(const config::WindowBounds& bounds) {
    setFixedSize(bounds.width, bounds.height);
    move(bounds.left, bounds.top);
}

core::Size MainWindow::ClientSize() const {
    return {width(), height()};
}

void MainWindow::SetCaption(const std::string& caption) {
    setWindowTitle(FromUtf8(caption));
}

void MainWindow::SetFrameStyle(int style) {
    if (style == core::kStyleNormal) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                       Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    } else if (style == core::kStyleCircle) {
        setMask(QRegion(0, 0, width(), height(), QRegion::Ellipse));
    }
}

// New window flags hide a shown window: it comes back as it was.
void MainWindow::SetBareFrame(bool dialogFrame) {
    const bool shown = isVisible();
    setWindowFlags(dialogFrame ? Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint
                               : Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    if (shown) {
        show();
    }
}

void MainWindow::SetBackground(int windowsColor) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorFromWindowsColor(windowsColor));
    setPalette(colours);
    setAutoFillBackground(true);
}

void MainWindow::SetHint(const std::string& hint) {
    setToolTip(FromUtf8(hint));
}

void MainWindow::SetLabelText(const std::string& text) {
    Label1->setText(FromUtf8(text).replace('\r', '\n'));
}

// Measured with the font's metrics: the label is laid out once, at the size that is kept.
core::Size MainWindow::SetLabelFontSize(int points) {
    QFont font = Label1->font();
    if (points > 0) {
        font.setPointSize(points);
    } else {
        font.setPixelSize(1);
    }
    Label1->setFont(font);
    const QSize text = QFontMetrics(font).size(0, Label1->text());
    Label1->resize(text);
    return {text.width(), text.height()};
}

void MainWindow::MoveLabel(int left, int top) {
    Label1->move(left, top);
}

void MainWindow::SetBlinkInterval(int milliseconds) {
    Timer1->setInterval(milliseconds);
}

void MainWindow::SetBlinking(bool running) {
    if (running) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

bool MainWindow::IsPopupShown() const {
    return isVisible();
}

// The icon's pictures are read and the window is made once, after the start, not at the show.
void MainWindow::PreparePopup() {
    if (windowHandle() == nullptr) {
        setWindowIcon(ApplicationIcon());
        create();
    }
}

void MainWindow::ShowPopup() {
    PreparePopup();
    showNormal();
    raise();
    activateWindow();
    if (windowHandle() != nullptr) {
        windowHandle()->removeEventFilter(this);
        windowHandle()->installEventFilter(this);
    }
}

void MainWindow::HidePopup() {
    hide();
}

void MainWindow::BringToFront() {
    ShowPopup();
    components::ForceForeground(static_cast<std::uintptr_t>(winId()));
}

void MainWindow::ShowTrayIcon() {
    TrayIcon1->show();
}

// Qt asks the desktop: the status-notifier host over D-Bus where one is registered, else the
// owner of the X11 tray selection. The icon stays shown either way, and Qt docks it when a tray
// appears later.
bool MainWindow::TrayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

// Under Wayland the desktop's portal or keyboard settings carry the hotkeys, never a grab.
bool MainWindow::GrabsKeys() const {
    return QGuiApplication::platformName() != "wayland";
}

void MainWindow::ShowNotice(const std::string& title, const std::string& text) {
    lastNotice_ = FromUtf8(text);
    // A tray icon with a place on the screen is docked in an XEmbed tray, where Qt would draw a
    // balloon of its own; elsewhere the desktop's notification service shows the notice.
    const QRect trayIcon = TrayIcon1->geometry();
    if (trayIcon.isValid()) {
        Notice::Show(TrayIcon1->icon(), FromUtf8(title), lastNotice_, trayIcon, font());
    } else {
        TrayIcon1->showMessage(FromUtf8(title), lastNotice_, TrayIcon1->icon());
    }
}

void MainWindow::SetMenuItemEnabled(core::MenuItem item, bool enabled) {
    menuItems_.at(item)->setEnabled(enabled);
}

void MainWindow::OpenMenuAtCursor() {
    PopupMenu1->popup(QCursor::pos());
}

void MainWindow::ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) {
    dialogs::Ask(static_cast<QWidget*>(this),
                 {kind, text, dialogs::MessageButtons::Ok, helpContext});
}

void MainWindow::EndProgram() {
    QCoreApplication::exit(0);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (logic_ == nullptr) {
        return;
    }
    logic_->Formkeydown(VirtualKeyOf(*event));
    if (!event->text().isEmpty()) {
        logic_->Formkeypress(event->text().toUcs4().value(0));
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (logic_ == nullptr) {
        return;
    }
    switch (event->button()) {
    case Qt::LeftButton:
        logic_->FormMouseDown(core::MouseButton::Left);
        break;
    case Qt::RightButton:
        logic_->FormMouseDown(core::MouseButton::Right);
        break;
    default:
        logic_->FormMouseDown(core::MouseButton::Other);
        break;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1) {
        // Presses on the text are the label's, which ignores them.
        return event->type() == QEvent::MouseButtonPress;
    }
    // Shown by a hotkey, the popup must have the next key even where the window manager keeps
    // the focus elsewhere: it holds the keyboard while it is shown and active.
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed() && isVisible()) {
        grabKeyboard();
    }
    return false;
}

void MainWindow::hideEvent(QHideEvent* event) {
    releaseKeyboard();
    QWidget::hideEvent(event);
}

// Closing the main window (the close box of the framed style) ends the program.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (logic_ != nullptr) {
        logic_->Beenden1Click();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        releaseKeyboard();
    }
    // Every minimise, also the frame's, hides the window to the tray.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && logic_ != nullptr) {
        QTimer::singleShot(0, this, [this] { logic_->ApplicationEvents1Minimize(); });
    }
}

} // namespace qtface
