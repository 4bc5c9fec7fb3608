#include "gui/qt/Hints.h"

#include "dialogs/HelpTopics.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace qtface {

namespace {

constexpr const char* kHelpProperty = "helpContext";
constexpr int kBalloonMilliseconds = 5000;

class HelpKeyFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            QObject* focus = QApplication::focusWidget();
            dialogs::ShowHelpTopic(watched, HelpContextOf(focus != nullptr ? focus : watched));
            return true;
        }
        return false;
    }
};

} // namespace

void SetHint(QWidget* widget, const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    const QString title = bar < 0 ? QString() : hint.left(bar);
    const QString text = bar < 0 ? hint : hint.mid(bar + 1);
    widget->setToolTip(title.isEmpty()
                           ? text.toHtmlEscaped()
                           : "<b>" + title.toHtmlEscaped() + "</b><br>" + text.toHtmlEscaped());
    widget->setToolTipDuration(kBalloonMilliseconds);
}

void SetHelpContext(QObject* object, int context) {
    object->setProperty(kHelpProperty, context);
}

int HelpContextOf(const QObject* object) {
    for (; object != nullptr; object = object->parent()) {
        const QVariant context = object->property(kHelpProperty);
        if (context.isValid() && context.toInt() != 0) {
            return context.toInt();
        }
    }
    return 0;
}

void EnableHelpKey(QWidget* window) {
    window->installEventFilter(new HelpKeyFilter(window));
}

} // namespace qtface
