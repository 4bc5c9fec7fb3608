#include "gui/qt/Notice.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace qtface {

namespace {

constexpr int kMargin = 8;
constexpr int kPicture = 16;
constexpr int kTextWidth = 280;
// As long as Qt's own balloon stays.
constexpr int kShownMilliseconds = 10000;

QPointer<Notice>& Shown() {
    static QPointer<Notice> shown;
    return shown;
}

} // namespace

Notice::Notice(const QIcon& picture, const QString& title, const QString& text, const QFont& font)
    : QWidget(nullptr, Qt::ToolTip), picture_(picture), title_(title), text_(text) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(font);
    // Screen readers (and the tests) find the notice by its text.
    setWindowTitle(text);
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    // Between words where it can, anywhere in a path too long for a line.
    const QRect lines(0, 0, kTextWidth, line);
    QRect wrapped = metrics.boundingRect(lines, wrap_, text);
    if (wrapped.width() > kTextWidth) {
        wrap_ = Qt::TextWrapAnywhere;
        wrapped = metrics.boundingRect(lines, wrap_, text);
    }
    const int left = kMargin + kPicture + kMargin;
    textArea_ =
        QRect(left, kMargin + line, std::max(wrapped.width(), metrics.horizontalAdvance(title)),
              wrapped.height());
    resize(textArea_.right() + 1 + kMargin, textArea_.bottom() + 1 + kMargin);
}

void Notice::Show(const QIcon& picture, const QString& title, const QString& text,
                  const QRect& trayIcon, const QFont& font) {
    if (Shown() != nullptr) {
        Shown()->close();
    }
    auto* notice = new Notice(picture, title, text, font);
    notice->winId(); // made, so that its frame is known
    notice->PlaceBeside(trayIcon);
    notice->show();
    QTimer::singleShot(kShownMilliseconds, notice, &QWidget::close);
    Shown() = notice;
}

// Below an icon in the upper half of its screen, above one in the lower half; always whole on
// the screen.
void Notice::PlaceBeside(const QRect& trayIcon) {
    const QScreen* screen = QGuiApplication::screenAt(trayIcon.center());
    const QRect area =
        (screen != nullptr ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    // A frame, where the window system draws one, goes around the painted area.
    const QSize whole = frameGeometry().size();
    const int top = trayIcon.center().y() < area.center().y()
                        ? trayIcon.bottom() + 1 + kMargin
                        : trayIcon.top() - kMargin - whole.height();
    const int left = trayIcon.center().x() - whole.width() / 2;
    move(std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - whole.width())),
         std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - whole.height())));
}

void Notice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colors = palette();
    painter.fillRect(rect(), colors.color(QPalette::ToolTipBase));
    painter.setPen(colors.color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    picture_.paint(&painter, kMargin, kMargin, kPicture, kPicture);
    painter.drawText(QRect(textArea_.left(), kMargin, textArea_.width(), textArea_.top() - kMargin),
                     Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.drawText(textArea_, wrap_, text_);
}

void Notice::mousePressEvent(QMouseEvent*) {
    close();
}

} // namespace qtface
