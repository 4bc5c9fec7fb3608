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

// One shortcut as BindShortcuts takes it: (id, {description, preferred_trigger}).
struct NewShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const NewShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, NewShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

} // namespace qtface

Q_DECLARE_METATYPE(qtface::NewShortcut)

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

PortalShortcuts::PortalShortcuts(QDBusConnection bus, core::ProgramState& state,
                                 std::function<void(const std::string&)> tellUser)
    : bus_(std::move(bus)), tellUser_(std::move(tellUser)),
      programPath_(state.location.ProgramPath),
      shortcuts_{{&state.hotkey, "popup", "Tippomat-Fenster zeigen"},
                 {&state.adminhotkey, "admin-popup", "Tippomat-Fenster im Adminmodus zeigen"}} {
    qDBusRegisterMetaType<NewShortcut>();
    qDBusRegisterMetaType<QList<NewShortcut>>();
    bus_.connect(kPortal, kPortalPath, kShortcutsInterface, "Activated", this,
                 SLOT(OnActivated(QDBusMessage)));
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
        if (!available_ && !told_) {
            told_ = true;
            tellUser_("In dieser Sitzung kann Tippomat keine globalen Tastenkürzel setzen. "
                      "Binden Sie in den Tastatureinstellungen des Desktops ein Kürzel an den "
                      "Befehl: " +
                      programPath_ + " --popup");
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
           shortcut->boundKey == shortcut->key;
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

void PortalShortcuts::CreateSession() {
    const QString token = QString("tippomat%1").arg(++tokens_);
    QVariantMap options{{"handle_token", token}, {"session_handle_token", token}};
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

void PortalShortcuts::BindShortcuts() {
    QList<NewShortcut> shortcuts;
    for (const Shortcut& shortcut : shortcuts_) {
        QVariantMap properties{{"description", QString::fromUtf8(shortcut.description)}};
        const QString trigger = PreferredTrigger(shortcut.key);
        if (!trigger.isEmpty()) {
            properties.insert("preferred_trigger", trigger);
        }
        shortcuts.append({shortcut.id, properties});
    }
    for (Shortcut& shortcut : shortcuts_) {
        shortcut.boundKey = shortcut.key;
    }
    const QString token = QString("tippomat%1").arg(++tokens_);
    Request("BindShortcuts",
            {QVariant::fromValue(QDBusObjectPath(session_)), QVariant::fromValue(shortcuts),
             QString(), QVariantMap{{"handle_token", token}}},
            token, SLOT(OnShortcutsBound(uint, QVariantMap)));
}

void PortalShortcuts::OnShortcutsBound(uint, const QVariantMap&) {
    bus_.disconnect(kPortal, pendingRequest_, "org.freedesktop.portal.Request", "Response", this,
                    SLOT(OnShortcutsBound(uint, QVariantMap)));
    syncing_ = false;
    Sync(); // a shortcut that changed meanwhile
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

std::unique_ptr<PortalShortcuts> PortalShortcutsForSession(core::ProgramState& state,
                                                           core::MainView& view) {
    if (QGuiApplication::platformName() != "wayland") {
        return nullptr;
    }
    return std::make_unique<PortalShortcuts>(
        QDBusConnection::sessionBus(), state,
        [&view](const std::string& text) { view.ShowNotice("Tippomat", text); });
}

} // namespace qtface
