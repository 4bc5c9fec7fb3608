#include "gui/qt/PlatformEvents.h"

#include "components/OneInstance.h"
#include "components/X11Session.h"
#include "platform/TerminationSignals.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QSocketNotifier>

#include <unistd.h>

namespace qtface {

namespace {

class XcbEventFilter : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        return eventType == "xcb_generic_event_t" &&
               components::x11::HandleEvent(static_cast<xcb_generic_event_t*>(message));
    }
};

void OnReadable(QApplication& application, int descriptor, std::function<void()> handler) {
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, std::move(handler));
}

} // namespace

void ConnectPlatformEvents(QApplication& application) {
    // Qt's offscreen platform answers as X11 without a connection.
    auto* x11 = application.nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        components::x11::UseConnection(x11->connection());
        static XcbEventFilter filter;
        application.installNativeEventFilter(&filter);
    }
    if (components::GuardDescriptor() >= 0) {
        OnReadable(application, components::GuardDescriptor(), [] { components::ServeGuard(); });
    }
}

void EndOnTerminationSignals(QApplication& application, std::function<void()> endProgram) {
    const int descriptor = platform::WatchTerminationSignals();
    if (descriptor >= 0) {
        OnReadable(application, descriptor, [descriptor, endProgram = std::move(endProgram)] {
            char drained[16];
            while (::read(descriptor, drained, sizeof drained) > 0) {
            }
            endProgram();
        });
    }
}

} // namespace qtface
