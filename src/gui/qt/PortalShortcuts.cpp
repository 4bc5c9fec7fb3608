#include "gui/qt/PortalShortcuts.h"

#include "components/Fishotkey.h"
#include "components/VirtualKeys.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>

#include <xkbcommon/xkbcommon.h>

namespace qtface {

namespace {

const QString kPortal = "org.freedesktop.portal.Desktop";
const QString kPortalPath = "/org/freedesktop/portal/desktop";
const QString kShortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";

// One shortcut as the portal speaks of it: (id, {description, preferred_trigger}) on the way
// there, (id, {description, trigger_description}) on the way back.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

} // namespace qtface

Q_DECLARE_METATYPE(qtface::PortalShortcut)

namespace qtface {

namespace {

// The shortcut in the form of the freedesktop shortcuts convention: "CTRL+ALT+k".
QString PreferredTrigger(components::ShortcutValue key) {
    const std::vector<std::uint32_t> keysyms =
        components::VirtualKeyToKeysyms(components::VirtualKeyOf(key));
    char name[64] = {};
    if (keysyms.empty() || xkb_keysym_get_name(keysyms.front(), name, sizeof name) <= 0) {
        return {};
    }
    QString trigger;
    if (key & components::kShortcutCtrl) {
        trigger += "CTRL+";
    }
    if (key & components::kShortcutAlt) {
        trigger += "ALT+";
    }
    if (key & components::kShortcutShift) {
        trigger += "SHIFT+";
    }
    return trigger + QString::fromLatin1(name);
}

// The request object the portal answers on, known before the call so no answer is missed.
QString RequestPath(const QDBusConnection& bus, const QString& token) {
    QString sender = bus.baseService().mid(1);
    sender.replace('.', '_');
    return kPortalPath + "/request/" + sender + "/" + token;
}

} // namespace

PortalShortcuts::PortalShortcuts(QDBusConnection bus, core::ProgramState& state)
    : bus_(std::move(bus)),
      state_(state), shortcuts_{{&state.hotkey, "popup", "Tippomat-Fenster zeigen"},
                                {&state.adminhotkey, "admin-popup",
                                 "Tippomat-Fenster im Adminmodus zeigen"}} {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    bus_.connect(kPortal, kPortalPath, kShortcutsInterface, "Activated", this,
                 SLOT(OnActivated(QDBusMessage)));
    bus_.connect(kPortal, kPortalPath, kShortcutsInterface, "ShortcutsChanged", this,
                 SLOT(OnShortcutsChanged(QDBusMessage)));
    // Whether the portal offers global shortcuts: its interface has a version.
    QDBusMessage ask = QDBusMessage::createMethodCall(kPortal, kPortalPath,
                                                      "org.freedesktop.DBus.Properties", "Get");
    ask << kShortcutsInterface << QString("version");
    syncing_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(ask), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        syncing_ = false;
        available_ = !w->isError();
        if (!available_) {
            Tell(components::SessionShortcutGap::NoService, shortcuts_[0]);
        }
        Sync();
    });
    components::UseSessionShortcuts(this);
}

PortalShortcuts::~PortalShortcuts() {
    components::UseSessionShortcuts(nullptr);
}

PortalShortcuts::Shortcut* PortalShortcuts::Find(const components::Tfishotkey& hotkey) {
    for (Shortcut& shortcut : shortcuts_) {
        if (shortcut.hotkey == &hotkey) {
            return &shortcut;
        }
    }
    return nullptr;
}

const PortalShortcuts::Shortcut* PortalShortcuts::Find(const components::Tfishotkey& hotkey) const {
    return const_cast<PortalShortcuts*>(this)->Find(hotkey);
}

// Only a change of the shortcut goes to the portal: disabling while a dialog edits it does
// not, as every bind may ask the user.
void PortalShortcuts::Bind(components::Tfishotkey& hotkey, components::ShortcutValue key) {
    if (Shortcut* shortcut = Find(hotkey)) {
        shortcut->enabled = true;
        shortcut->key = key;
        SyncLater();
    }
}

void PortalShortcuts::Unbind(components::Tfishotkey& hotkey) {
    if (Shortcut* shortcut = Find(hotkey)) {
        shortcut->enabled = false;
    }
}

bool PortalShortcuts::Bound(const components::Tfishotkey& hotkey) const {
    const Shortcut* shortcut = Find(hotkey);
    return shortcut != nullptr && shortcut->enabled && !session_.isEmpty() && !syncing_ &&
           shortcut->boundKey == shortcut->key && shortcut->hasTrigger;
}

void PortalShortcuts::SyncLater() {
    if (!scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            scheduled_ = false;
            Sync();
        });
    }
}

// A changed shortcut needs a new session: a session binds its shortcuts once.
void PortalShortcuts::Sync() {
    if (!available_ || syncing_) {
        return;
    }
    bool changed = session_.isEmpty();
    for (const Shortcut& shortcut : shortcuts_) {
        changed = changed || shortcut.key != shortcut.boundKey;
    }
    if (!changed) {
        return;
    }
    if (!session_.isEmpty()) {
        bus_.asyncCall(QDBusMessage::createMethodCall(kPortal, session_,
                                                      "org.freedesktop.portal.Session", "Close"));
        session_.clear();
    }
    CreateSession();
}

void PortalShortcuts::Request(const QString& method, const QVariantList& arguments,
                              const QString& token, const char* onResponse) {
    syncing_ = true;
    pendingRequest_ = RequestPath(bus_, token);
    bus_.connect(kPortal, pendingRequest_, "org.freedesktop.portal.Request", "Response", this,
                 onResponse);
    QDBusMessage call =
        QDBusMessage::createMethodCall(kPortal, kPortalPath, kShortcutsInterface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, onResponse](QDBusPendingCallWatcher* w) {
                w->deleteLater();
                if (w->isError()) { // the portal refused: the hotkeys stay unbound
                    bus_.disconnect(kPortal, pendingRequest_, "org.freedesktop.portal.Request",
                                    "Response", this, onResponse);
                    syncing_ = false;
                }
            });
}

// The shortcuts go along: a backend may register them when the session starts and ignore the
// bind (that of KDE Plasma 5.27).
void PortalShortcuts::CreateSession() {
    const QString token = QString("tippomat%1").arg(++tokens_);
    QVariantMap options{
        {"handle_token", token}, {"session_handle_token", token}, {"shortcuts", Wanted()}};
    Request("CreateSession", {options}, token, SLOT(OnSessionCreated(uint, QVariantMap)));
}

void PortalShortcuts::OnSessionCreated(uint response, const QVariantMap& results) {
    bus_.disconnect(kPortal, pendingRequest_, "org.freedesktop.portal.Request", "Response", this,
                    SLOT(OnSessionCreated(uint, QVariantMap)));
    syncing_ = false;
    if (response != 0) {
        return;
    }
    session_ = results.value("session_handle").toString();
    BindShortcuts();
}

QVariant PortalShortcuts::Wanted() const {
    QList<PortalShortcut> shortcuts;
    for (const Shortcut& shortcut : shortcuts_) {
        QVariantMap properties{{"description", QString::fromUtf8(shortcut.description)}};
        const QString trigger = PreferredTrigger(shortcut.key);
        if (!trigger.isEmpty()) {
            properties.insert("preferred_trigger", trigger);
        }
        shortcuts.append({shortcut.id, properties});
    }
    return QVariant::fromValue(shortcuts);
}

void PortalShortcuts::BindShortcuts() {
    for (Shortcut& shortcut : shortcuts_) {
        shortcut.boundKey = shortcut.key;
        shortcut.hasTrigger = false;
    }
    const QString token = QString("tippomat%1").arg(++tokens_);
    Request("BindShortcuts",
            {QVariant::fromValue(QDBusObjectPath(session_)), Wanted(), QString(),
             QVariantMap{{"handle_token", token}}},
            token, SLOT(OnShortcutsBound(uint, QVariantMap)));
}

// A shortcut missing from the answer, or without a trigger, waits for the user to give it a key
// in the desktop's settings; ShortcutsChanged tells when that happens.
void PortalShortcuts::OnShortcutsBound(uint response, const QVariantMap& results) {
    bus_.disconnect(kPortal, pendingRequest_, "org.freedesktop.portal.Request", "Response", this,
                    SLOT(OnShortcutsBound(uint, QVariantMap)));
    syncing_ = false;
    if (response == 0) {
        TakeTriggers(results.value("shortcuts"));
    }
    for (const Shortcut& shortcut : shortcuts_) {
        if (shortcut.enabled && shortcut.key != 0 && !shortcut.hasTrigger) {
            Tell(components::SessionShortcutGap::NoKeyAssigned, shortcut);
            break;
        }
    }
    Sync(); // a shortcut that changed meanwhile
}

void PortalShortcuts::TakeTriggers(const QVariant& shortcuts) {
    for (const PortalShortcut& answered : qdbus_cast<QList<PortalShortcut>>(shortcuts)) {
        for (Shortcut& shortcut : shortcuts_) {
            if (answered.id == shortcut.id) {
                shortcut.hasTrigger =
                    !answered.properties.value("trigger_description").toString().isEmpty();
            }
        }
    }
}

// ShortcutsChanged(o session, a(sa{sv}) shortcuts): the user gave a shortcut a key, or took it.
void PortalShortcuts::OnShortcutsChanged(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() >= 2 && arguments[0].value<QDBusObjectPath>().path() == session_) {
        TakeTriggers(arguments[1]);
    }
}

void PortalShortcuts::Tell(components::SessionShortcutGap gap, const Shortcut& shortcut) {
    if (state_.HotkeyWithoutKey) {
        state_.HotkeyWithoutKey(gap, *shortcut.hotkey);
    }
}

// Activated(o session, s id, t timestamp, a{sv} options). The activation token lets the popup
// take the keyboard from the window that has it.
void PortalShortcuts::OnActivated(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 4 || arguments[0].value<QDBusObjectPath>().path() != session_) {
        return;
    }
    const QString id = arguments[1].toString();
    const QVariantMap options = qdbus_cast<QVariantMap>(arguments[3]);
    for (Shortcut& shortcut : shortcuts_) {
        if (id == shortcut.id && shortcut.enabled && shortcut.hotkey->Onhotkey) {
            const QString token = options.value("activation_token").toString();
            if (!token.isEmpty()) {
                qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
            }
            shortcut.hotkey->Onhotkey();
        }
    }
}

std::unique_ptr<PortalShortcuts> PortalShortcutsForSession(core::ProgramState& state) {
    if (QGuiApplication::platformName() != "wayland") {
        return nullptr;
    }
    return std::make_unique<PortalShortcuts>(QDBusConnection::sessionBus(), state);
}

} // namespace qtface
