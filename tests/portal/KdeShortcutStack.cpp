#include "portal/KdeShortcutStack.h"

#include "support/Wait.h"
#include "support/XdoTool_x11.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace testing_support {

namespace {

constexpr const char* kDaemon = "/usr/bin/kglobalaccel5";
constexpr const char* kBackend = "/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde";
constexpr const char* kPortal = "/usr/libexec/xdg-desktop-portal";
constexpr const char* kXvfb = "/usr/bin/Xvfb";

} // namespace

std::string KdeShortcutStack::Missing() {
    for (const char* program : {kDaemon, kBackend, kPortal, kXvfb}) {
        if (!std::filesystem::exists(program)) {
            return program;
        }
    }
    return {};
}

KdeShortcutStack::KdeShortcutStack(const std::string& busAddress, const TestFolder& folder)
    : folder_(folder), busAddress_(busAddress) {
    ::mkdir(folder.Path("run").c_str(), 0700);
    // The X server picks a free display itself and names it once it listens.
    parts_.push_back(std::make_unique<ChildProcess>(
        "/bin/sh",
        std::vector<std::string>{"-c", std::string("exec ") + kXvfb + " -displayfd 3 -noreset 3>'" +
                                           folder.Path("display") + "'"}));
    std::string display;
    if (!Eventually([&] {
            display = ReadBytes(folder.Path("display"));
            return !display.empty() && display.back() == '\n';
        })) {
        return;
    }
    display.pop_back();
    environment_ = "DISPLAY=:" + display + " QT_QPA_PLATFORM=xcb XDG_CURRENT_DESKTOP=KDE HOME='" +
                   folder.Path() + "' XDG_CONFIG_HOME='" + folder.Path(".config") +
                   "' XDG_RUNTIME_DIR='" + folder.Path("run") + "' DBUS_SESSION_BUS_ADDRESS='" +
                   busAddress + "'";
    // Each part once the one it calls is on the bus: none is started by the bus itself, with
    // the test's environment.
    Start(kDaemon, "kglobalaccel.log");
    running_ = Eventually([&] { return Owned("org.kde.kglobalaccel"); });
    Start(kBackend, "backend.log");
    running_ =
        running_ && Eventually([&] { return Owned("org.freedesktop.impl.portal.desktop.kde"); });
    Start(kPortal, "portal.log");
    running_ = running_ && Eventually([&] { return Owned("org.freedesktop.portal.Desktop"); });
}

// The portal first, the X server last: no part sees one it talks to go away before it.
KdeShortcutStack::~KdeShortcutStack() {
    while (!parts_.empty()) {
        parts_.pop_back();
    }
}

void KdeShortcutStack::Start(const std::string& program, const std::string& log) {
    parts_.push_back(std::make_unique<ChildProcess>(
        "/bin/sh", std::vector<std::string>{"-c", "exec env " + environment_ + " " + program +
                                                      " >'" + folder_.Path(log) + "' 2>&1"}));
}

bool KdeShortcutStack::Owned(const std::string& name) const {
    return CommandOutput("dbus-send --bus='" + busAddress_ +
                         "' --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "
                         "org.freedesktop.DBus.NameHasOwner string:" +
                         name)
               .find("boolean true") != std::string::npos;
}

std::string KdeShortcutStack::Log() const {
    std::string log;
    for (const char* name : {"kglobalaccel.log", "backend.log", "portal.log"}) {
        log += std::string("== ") + name + "\n" + ReadBytes(folder_.Path(name));
    }
    return log;
}

void KdeShortcutStack::Assign(const std::string& component, const std::string& action, int qtKey) {
    CommandOutput("dbus-send --bus='" + busAddress_ +
                  "' --print-reply --dest=org.kde.kglobalaccel /kglobalaccel "
                  "org.kde.KGlobalAccel.setForeignShortcut array:string:" +
                  component + "," + action + "," + component + "," + action +
                  " array:int32:" + std::to_string(qtKey));
}

void KdeShortcutStack::Press(const std::string& keys) {
    CommandOutput("env " + environment_ + " xdotool key " + keys);
}

} // namespace testing_support
