// The two hotkeys as global shortcuts of the desktop portal (org.freedesktop.portal.GlobalShortcuts
// over D-Bus), for a Wayland session where no program may grab a key: "popup" carries the user
// hotkey, "admin-popup" the admin hotkey, with the stored shortcuts as preferred triggers.
#pragma once

#include "components/SessionShortcuts.h"
#include "core/MainView.h"
#include "core/ProgramState.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <string>

namespace qtface {

class PortalShortcuts : public QObject, public components::SessionShortcuts {
    Q_OBJECT

  public:
    // Installs itself as the hotkeys' service. tellUser is called once when the session has
    // no portal with global shortcuts.
    PortalShortcuts(QDBusConnection bus, core::ProgramState& state,
                    std::function<void(const std::string&)> tellUser);
    ~PortalShortcuts() override;

    void Bind(components::Tfishotkey& hotkey, components::ShortcutValue key) override;
    void Unbind(components::Tfishotkey& hotkey) override;
    bool Bound(const components::Tfishotkey& hotkey) const override;

  private slots:
    void OnActivated(const QDBusMessage& message);
    void OnSessionCreated(uint response, const QVariantMap& results);
    void OnShortcutsBound(uint response, const QVariantMap& results);

  private:
    struct Shortcut {
        components::Tfishotkey* hotkey;
        const char* id;
        const char* description;
        bool enabled = false;
        components::ShortcutValue key = 0;
        components::ShortcutValue boundKey = 0;
    };

    Shortcut* Find(const components::Tfishotkey& hotkey);
    const Shortcut* Find(const components::Tfishotkey& hotkey) const;
    // Once per turn of the event loop: the shortcuts the portal holds follow the stored ones.
    void SyncLater();
    void Sync();
    void CreateSession();
    void BindShortcuts();
    // Calls a portal method that answers through a request object's Response signal.
    void Request(const QString& method, const QVariantList& arguments, const QString& token,
                 const char* onResponse);

    QDBusConnection bus_;
    std::function<void(const std::string&)> tellUser_;
    std::string programPath_;
    Shortcut shortcuts_[2];
    bool available_ = false;
    bool told_ = false;
    bool syncing_ = false; // a session or a bind is under way
    bool scheduled_ = false;
    QString session_;
    QString pendingRequest_;
    int tokens_ = 0;
};

// The portal's shortcuts for a Wayland session, installed; none elsewhere (X11 grabs keys).
std::unique_ptr<PortalShortcuts> PortalShortcutsForSession(core::ProgramState& state,
                                                           core::MainView& view);

} // namespace qtface
