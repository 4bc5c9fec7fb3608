#include "core/MainForm.h"

#include "components/Foreground.h"
#include "config/FormStateFile.h"
#include "core/Launch.h"
#include "dialogs/Einstellungen.h"
#include "ui/Hints.h"
#include "ui/ImageList.h"
#include "ui/QtKeys.h"
#include "ui/WindowsColors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegion>
#include <QScreen>
#include <QWindow>

namespace core {

namespace {

constexpr int kFirstFunctionKey = 112; // VK_F1
constexpr int kLastFunctionKey = 123;  // VK_F12
constexpr int kEscape = 27;
constexpr int kLargestFontSize = 40;

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

Tmain::Tmain(ProgramState& state)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), state_(state),
      InstanceCheck1([this] {
          showNormal();
          raise();
          activateWindow();
          components::ForceForeground(static_cast<std::uintptr_t>(winId()));
      }) {
    setObjectName("main");
    setWindowTitle("Tippomat");
    setWindowIcon(ui::ApplicationIcon());
    resize(219, 143);
    move(6, 37);
    QFont tahoma("Tahoma");
    tahoma.setPixelSize(13);
    setFont(tahoma);
    setToolTip("Tippomat");
    // F1 starts a binding here; the help context serves the menu.
    ui::SetHelpContext(this, 600);

    Label1 = new QLabel("Tippomat aktiv!", this);
    Label1->setObjectName("Label1");
    Label1->move(15, 60);
    QFont labelFont("Tahoma");
    labelFont.setPixelSize(15);
    Label1->setFont(labelFont);
    Label1->setStyleSheet("color: white;");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &Tmain::Timertimer);
    hotkey.Onhotkey = [this] { Hotkeyhotkey(); };
    adminhotkey.Onhotkey = [this] { Adminhotkeyhotkey(); };
    InstanceCheck1.OnNewInstance = [](components::TInstanceCheck&, std::uint32_t,
                                      const std::vector<std::string>&,
                                      bool& allow) { allow = false; };

    TrayIcon1 = new QSystemTrayIcon(this);
    TrayIcon1->setToolTip("Rechts klicken um Menü aufzurufen");
    BuildMenu();
    TrayIcon1->setContextMenu(PopupMenu1);
    FormCreate();
}

Tmain::~Tmain() {
    try {
        config::SaveWindowBounds(state_.location.IniPath, "main", {width(), height(), x(), y()});
    } catch (const config::IniFileError&) {
        // Nothing to report at exit: the bounds are kept from the last run.
    }
}

void Tmain::BuildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    ui::SetHelpContext(PopupMenu1, 600);
    Zeigen1 = PopupMenu1->addAction("Zeigen", this, &Tmain::Hotkeyhotkey);
    Verbergen1 = PopupMenu1->addAction("Verbergen", this, &Tmain::Verbergen);
    Einstellungen1 = PopupMenu1->addMenu("Einstellungen");
    Einstellungen1->addAction("Einstellungsdialog", this, &Tmain::Einstellungen1Click);
    Einstellungen1->addSeparator();
    // The dialogs behind these entries come with their own work; until then they are off.
    struct HubEntry {
        const char* caption;
        int image;
        void (dialogs::THauptformular::*handler)();
    };
    const HubEntry entries[] = {
        {"Editieren", 4, nullptr},
        {"Aussehen", 7, nullptr},
        {"Installieren", 5, nullptr},
        {"Laufwerk wechseln", 3, nullptr},
        {"Adminmodus", 6, &dialogs::THauptformular::AdmibuttonClick},
        {"Information", 1, nullptr},
        {"Hilfe", 2, &dialogs::THauptformular::HrelpClick},
    };
    for (const HubEntry& entry : entries) {
        QAction* action = Einstellungen1->addAction(ui::HubImage(entry.image), entry.caption);
        action->setEnabled(entry.handler != nullptr);
        if (entry.handler != nullptr) {
            connect(action, &QAction::triggered, this, [this, handler = entry.handler] {
                if (hub_ != nullptr) {
                    (hub_->*handler)();
                }
            });
        }
    }
    Beenden1 = PopupMenu1->addAction(ui::HubImage(8), "Beenden", this, &Tmain::Beenden1Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &Tmain::UpdateMenuForVisibility);
}

void Tmain::FormCreate() {
    const QSize screen = QGuiApplication::primaryScreen() != nullptr
                             ? QGuiApplication::primaryScreen()->size()
                             : QSize(1024, 768);
    int blink = 200;
    int breite = 70;
    int hoehe = 70;
    int style = kStyleNormal;
    try {
        const config::WindowBounds bounds =
            config::LoadWindowBounds(state_.location.IniPath, "main", {width(), height(), x(), y()},
                                     screen.width(), screen.height());
        resize(bounds.width, bounds.height);
        move(bounds.left, bounds.top);
        const config::IniFile ini(state_.location.IniPath);
        blink = ini.ReadInteger("EinstellungenHaupt", "blinkfrequenz", blink);
        breite = ini.ReadInteger("EinstellungenHaupt", "breite", breite);
        hoehe = ini.ReadInteger("EinstellungenHaupt", "hoehe", hoehe);
        Farbe1 = ini.ReadInteger("Farben", "Farbe1", Farbe1);
        Farbe2 = ini.ReadInteger("Farben", "Farbe2", Farbe2);
        style = ini.ReadInteger("EinstellungenHaupt", "Stil", style);
    } catch (const config::IniFileError&) {
        // An unreadable file gives the defaults; the program runs on.
    }
    Neues_Design(blink, Farbe1, Farbe2, breite, hoehe);
    ApplyStyle(style);
    TrayIcon1->setIcon(ui::ApplicationIcon());
    MinimizeToTray();
}

void Tmain::ApplyStyle(int style) {
    if (style == kStyleNormal) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                       Qt::WindowStaysOnTopHint);
    } else if (style == kStyleCircle) {
        setMask(QRegion(0, 0, width(), height(), QRegion::Ellipse));
    }
}

void Tmain::Neues_Design(int blinkfrequenz, int color1, int color2, int breite, int hoehe) {
    resize(breite, hoehe);
    Timer1->setInterval(std::max(blinkfrequenz, 1));
    Farbe1 = color1;
    Farbe2 = color2;
    Label1->setText("Tippomat aktiv\nTaste drücken");
    // The largest font size whose text still fits the window.
    QFont font = Label1->font();
    int size = 1;
    for (; size <= kLargestFontSize; ++size) {
        font.setPointSize(size);
        Label1->setFont(font);
        Label1->adjustSize();
        if (width() < Label1->width() || height() < Label1->height()) {
            break;
        }
    }
    font.setPointSize(std::max(std::min(size, kLargestFontSize + 1) - 1, 1));
    Label1->setFont(font);
    Label1->adjustSize();
    Label1->move((width() - Label1->width()) / 2, (height() - Label1->height()) / 2);
}

void Tmain::SetHub(dialogs::THauptformular* hub) {
    hub_ = hub;
}

void Tmain::Timertimer() {
    if (!isVisible()) {
        return;
    }
    Leuchtend = !Leuchtend;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ui::ColorFromWindowsColor(Leuchtend ? Farbe1 : Farbe2));
    setPalette(colours);
    setAutoFillBackground(true);
}

void Tmain::keyPressEvent(QKeyEvent* event) {
    Formkeydown(static_cast<int>(ui::VirtualKeyOf(*event)));
    if (!event->text().isEmpty() && isVisible()) {
        Formkeypress(event->text().at(0));
    }
}

void Tmain::Formkeydown(int virtualKey) {
    if (virtualKey >= kFirstFunctionKey && virtualKey <= kLastFunctionKey) {
        StartSlot(virtualKey - kFirstFunctionKey + 36);
    }
    if (virtualKey == kEscape) {
        Verbergen();
    }
}

void Tmain::Formkeypress(QChar key) {
    char16_t c = key.unicode();
    if (c >= u'a' && c <= u'z') {
        c = static_cast<char16_t>(c & ~0x20);
    }
    if (c >= u'0' && c <= u'9') {
        StartSlot(c - u'0' + 26);
    } else if (c >= u'A' && c <= u'Z') {
        StartSlot(c - u'A');
    }
}

void Tmain::StartSlot(int index) {
    std::string path, workDir, params;
    state_.table.GetSlot(index, path, workDir, params);
    StartEntry(path, workDir, params);
}

void Tmain::StartEntry(const std::string& path, const std::string& workDir,
                       const std::string& params) {
    const LaunchOutcome outcome =
        LaunchPath(path, workDir, params, ProcessLaunchSettings(), state_.location.ProgramPath);
    if (!outcome) {
        return;
    }
    MinimizeToTray();
    ShowNotice(FromUtf8(StartNotice(path, outcome.startedPath)));
}

void Tmain::ShowNotice(const QString& notice) {
    lastNotice_ = notice;
    TrayIcon1->showMessage("Tippomat", notice, QSystemTrayIcon::Information);
    // Where the notice is a balloon window of Qt's own, its title carries the text, so that
    // screen readers (and tests) find it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QBalloonTip")) {
            window->setWindowTitle(notice);
        }
    }
}

void Tmain::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setToolTip(FromUtf8(state_.table.KeyListText()));
    } else if (event->button() == Qt::RightButton) {
        PopupMenu1->popup(event->globalPosition().toPoint());
    }
}

bool Tmain::eventFilter(QObject* watched, QEvent* event) {
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

void Tmain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (windowHandle() != nullptr) {
        windowHandle()->removeEventFilter(this);
        windowHandle()->installEventFilter(this);
    }
    Timer1->start();
}

// The blink timer rests while nobody can see the popup.
void Tmain::hideEvent(QHideEvent* event) {
    releaseKeyboard();
    Timer1->stop();
    QWidget::hideEvent(event);
}

void Tmain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        releaseKeyboard();
    }
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        QTimer::singleShot(0, this, &Tmain::MinimizeToTray);
    }
}

void Tmain::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    QApplication::quit();
}

void Tmain::ShowPopup(bool adminMode) {
    ProcessLaunchSettings().AdminMode = adminMode;
    setWindowTitle(adminMode ? "Start als Admin... " : "Start als User... ");
    showNormal();
    raise();
    activateWindow();
}

void Tmain::Hotkeyhotkey() {
    ShowPopup(false);
}

void Tmain::Adminhotkeyhotkey() {
    ShowPopup(true);
}

void Tmain::Verbergen() {
    MinimizeToTray();
}

void Tmain::MinimizeToTray() {
    hide();
    TrayIcon1->show();
}

void Tmain::UpdateMenuForVisibility() {
    Verbergen1->setEnabled(isVisible());
    Zeigen1->setEnabled(!isVisible());
}

void Tmain::Einstellungen1Click() {
    if (hub_ != nullptr) {
        if (hub_->isVisible()) {
            hub_->activateWindow();
        } else {
            hub_->show();
        }
    }
    hide();
}

void Tmain::Beenden1Click() {
    close();
}

} // namespace core
