// The tray notice where Qt would draw a balloon window of its own (a tray icon docked in an
// XEmbed tray): a small painted window at the icon with the tray's picture, the title and the
// text, gone after ten seconds or at a click. Qt's balloon brought its labels, layout, close
// button and bold font into memory at the first launch and kept them there; this one is painted
// in the popup's font and frees what it used when it goes.
#pragma once

#include <QIcon>
#include <QWidget>

namespace qtface {

class Notice : public QWidget {
  public:
    // Shown beside the tray icon's place on the screen, in the font given; replaces a notice
    // still shown.
    static void Show(const QIcon& picture, const QString& title, const QString& text,
                     const QRect& trayIcon, const QFont& font);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Notice(const QIcon& picture, const QString& title, const QString& text, const QFont& font);
    void PlaceBeside(const QRect& trayIcon);

    QIcon picture_;
    QString title_;
    QString text_;
    QRect textArea_;
    int wrap_ = Qt::TextWordWrap;
};

} // namespace qtface
