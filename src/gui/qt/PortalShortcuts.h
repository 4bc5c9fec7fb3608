// The two hotkeys as global shortcuts of the desktop portal (org.freedesktop.portal.GlobalShortcuts
// over D-Bus), for a Wayland session where no program may grab a key: "popup" carries the user
// hotkey, "admin-popup" the admin hotkey, with the stored shortcuts as preferred triggers. A
// shortcut counts as bound once the desktop has given it a key (a trigger), which it may do
// only later, when the user assigns one in its shortcut settings.
#pragma once

#include "components/SessionShortcuts.h"
#include "core/ProgramState.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <memory>

namespace qtface {

class PortalShortcuts : public QObject, public components::SessionShortcuts {
    Q_OBJECT

  public:
    // Installs itself as the hotkeys' service. The state hears of a hotkey that the session
    // brings to no key.
    PortalShortcuts(QDBusConnection bus, core::ProgramState& state);
    ~PortalShortcuts() override;

    void Bind(components::Tfishotkey& hotkey, components::ShortcutValue key) override;
    void Unbind(components::Tfishotkey& hotkey) override;
    bool Bound(const components::Tfishotkey& hotkey) const override;

  private slots:
    void OnActivated(const QDBusMessage& message);
    void OnShortcutsChanged(const QDBusMessage& message);
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
        bool hasTrigger = false; // the desktop gave it a key
    };

    Shortcut* Find(const components::Tfishotkey& hotkey);
    const Shortcut* Find(const components::Tfishotkey& hotkey) const;
    // Once per turn of the event loop: the shortcuts the portal holds follow the stored ones.
    void SyncLater();
    void Sync();
    void CreateSession();
    void BindShortcuts();
    // The shortcuts with their descriptions and preferred triggers, as the portal takes them.
    QVariant Wanted() const;
    // The triggers of a portal answer's "shortcuts" (a list of id and properties).
    void TakeTriggers(const QVariant& shortcuts);
    void Tell(components::SessionShortcutGap gap, const Shortcut& shortcut);
    // Calls a portal method that answers through a request object's Response signal.
    void Request(const QString& method, const QVariantList& arguments, const QString& token,
                 const char* onResponse);

    QDBusConnection bus_;
    core::ProgramState& state_;
    Shortcut shortcuts_[2];
    bool available_ = false;
    bool syncing_ = false; // a session or a bind is under way
    bool scheduled_ = false;
    QString session_;
    QString pendingRequest_;
    int tokens_ = 0;
};

// The portal's shortcuts for a Wayland session, installed; none elsewhere (X11 grabs keys).
std::unique_ptr<PortalShortcuts> PortalShortcutsForSession(core::ProgramState& state);

} // namespace qtface
