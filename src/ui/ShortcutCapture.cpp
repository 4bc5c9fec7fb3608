#include "ui/ShortcutCapture.h"

#include "components/Fishotkey.h"
#include "dialogs/ShortCut.h"
#include "ui/Messages.h"
#include "ui/QtKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

namespace {

class ShortcutKeyFilter : public QObject {
  public:
    explicit ShortcutKeyFilter(QLineEdit* field) : QObject(field), field_(field) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            field_->setText(QString::fromStdString(
                dialogs::ShortCutToText(dialogs::ShortCut(VirtualKeyOf(key), ShiftStateOf(key)))));
        }
        return false;
    }

  private:
    QLineEdit* field_;
};

} // namespace

void CaptureShortcutKeys(QLineEdit* field) {
    field->installEventFilter(new ShortcutKeyFilter(field));
}

void ApplyShortcutField(const QLineEdit* field, components::Tfishotkey& target,
                        const components::Tfishotkey& other, const QString& refusal) {
    const components::ShortcutValue value = dialogs::TextToShortCut(field->text().toStdString());
    if (value == other.Key()) {
        ShowMessage(field->window(), refusal, MessageKind::Error, 400);
    } else {
        target.SetKey(value);
    }
}

} // namespace ui
