#include "ui/PlatformEvents.h"

#include "components/OneInstance.h"
#include "components/X11Session.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QSocketNotifier>

namespace ui {

namespace {

class XcbEventFilter : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType == "xcb_generic_event_t") {
            components::x11::HandleEvent(static_cast<xcb_generic_event_t*>(message));
        }
        return false;
    }
};

} // namespace

void ConnectPlatformEvents(QApplication& application) {
    if (auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>()) {
        components::x11::UseConnection(x11->connection());
        static XcbEventFilter filter;
        application.installNativeEventFilter(&filter);
    }
    if (components::GuardDescriptor() >= 0) {
        auto* notifier =
            new QSocketNotifier(components::GuardDescriptor(), QSocketNotifier::Read, &application);
        QObject::connect(notifier, &QSocketNotifier::activated, [] { components::ServeGuard(); });
    }
}

} // namespace ui
