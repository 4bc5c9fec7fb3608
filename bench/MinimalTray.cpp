// The yardstick: the smallest Qt Widgets tray program that does what the launcher does on the
// hot path. A tray icon, a hidden always-on-top popup with a label and a blink timer that runs
// only while it is shown, framed as the launcher's default look is (so the window manager does
// the same work for both), a global hotkey (Alt+F10) grabbed on Qt's own X connection, and "k" in
// the popup starting a program with QProcess::startDetached.
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>

namespace {

constexpr xcb_keysym_t kF10 = 0xFFC7;

class Popup : public QWidget {
  public:
    Popup(QString program, QString stamps)
        : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                               Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
          program_(std::move(program)), stamps_(std::move(stamps)) {
        setWindowTitle("Start als Referenz");
        setFixedSize(70, 70);
        auto* label = new QLabel("Referenz\naktiv", this);
        label->move(5, 20);
        blink_.setInterval(200);
        connect(&blink_, &QTimer::timeout, this, [this] {
            lit_ = !lit_;
            QPalette colours = palette();
            colours.setColor(QPalette::Window, lit_ ? Qt::red : Qt::darkBlue);
            setPalette(colours);
            setAutoFillBackground(true);
        });
    }
    void Raise() {
        showNormal();
        raise();
        activateWindow();
        blink_.start();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_K) {
            QProcess::startDetached(program_, {stamps_});
            Lower();
        } else if (event->key() == Qt::Key_Escape) {
            Lower();
        }
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Expose && isVisible()) {
            grabKeyboard();
        }
        return QWidget::event(event);
    }

  private:
    void Lower() {
        blink_.stop();
        releaseKeyboard();
        hide();
    }
    QString program_;
    QString stamps_;
    QTimer blink_;
    bool lit_ = false;
};

class HotkeyFilter : public QAbstractNativeEventFilter {
  public:
    HotkeyFilter(xcb_keycode_t code, Popup& popup) : code_(code), popup_(popup) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* event = static_cast<xcb_generic_event_t*>(message);
        if (type == "xcb_generic_event_t" && (event->response_type & 0x7F) == XCB_KEY_PRESS &&
            reinterpret_cast<const xcb_key_press_event_t*>(event)->detail == code_) {
            popup_.Raise();
        }
        return false;
    }

  private:
    xcb_keycode_t code_;
    Popup& popup_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    if (argc < 3) {
        return 2;
    }
    Popup popup(argv[1], argv[2]);

    QPixmap picture(32, 32);
    picture.fill(Qt::darkGreen);
    QSystemTrayIcon tray{QIcon(picture)};
    tray.show();

    auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, kF10);
    const xcb_keycode_t code = codes != nullptr ? codes[0] : 0;
    std::free(codes);
    xcb_key_symbols_free(symbols);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_grab_key(connection, 1, root, XCB_MOD_MASK_1, code, XCB_GRAB_MODE_ASYNC,
                 XCB_GRAB_MODE_ASYNC);
    xcb_flush(connection);
    HotkeyFilter filter(code, popup);
    application.installNativeEventFilter(&filter);
    return application.exec();
}
