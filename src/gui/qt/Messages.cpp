#include "gui/qt/Messages.h"

#include "gui/qt/Hints.h"

#include <QApplication>
#include <QMessageBox>

namespace gui {

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

} // namespace

void SetMessageSink(MessageSink sink) {
    Sink() = std::move(sink);
}

void ShowMessage(QWidget* parent, const QString& text, core::MessageKind kind, int helpContext) {
    QString shown = text;
    shown.replace('\r', '\n');
    if (Sink()) {
        Sink()(shown, kind, helpContext);
        return;
    }
    QMessageBox box(kind == core::MessageKind::Error ? QMessageBox::Critical
                                                     : QMessageBox::Information,
                    QApplication::applicationName(), shown, QMessageBox::Ok, parent);
    SetHelpContext(&box, helpContext);
    EnableHelpKey(&box);
    box.exec();
}

void ReportError(QWidget* parent, const std::exception& error) {
    ShowMessage(parent, QString::fromStdString(error.what()), core::MessageKind::Error, 0);
}

} // namespace gui
