#include "dialogs/ConfigFollower.h"

#include "config/Appearance.h"
#include "config/IniFile.h"
#include "config/OwnWrites.h"
#include "dialogs/FollowedLaunchTable.h"
#include "platform/FileSystem.h"

#include <initializer_list>
#include <utility>

namespace dialogs {

namespace {

// A file that cannot be read (another program holds it for writing) is tried this many times
// more, a moment apart; after that the next change in its folder tries again.
constexpr int kUnreadableRetries = 10;

bool SameLook(const config::IniFile& was, const config::IniFile& is) {
    const config::PopupAppearance a = config::ReadPopupAppearance(was);
    const config::PopupAppearance b = config::ReadPopupAppearance(is);
    return a.blinkfrequenz == b.blinkfrequenz && a.breite == b.breite && a.hoehe == b.hoehe &&
           a.stil == b.stil && a.farbe1 == b.farbe1 && a.farbe2 == b.farbe2;
}

bool SameValues(const config::IniFile& was, const config::IniFile& is, const std::string& section,
                std::initializer_list<ControlName> keys) {
    for (const ControlName& key : keys) {
        constexpr std::string_view kAbsent = "\x01";
        if (was.ReadString(section, key.c_str(), kAbsent) !=
            is.ReadString(section, key.c_str(), kAbsent)) {
            return false;
        }
    }
    return true;
}

} // namespace

ConfigFollower::ConfigFollower(core::ProgramState& state, Program& program, FileWatch& watch)
    : state_(state), program_(program), watch_(watch) {
    FollowFiles();
    state_.DialogClosed = [this] { TakeWaitingTable(); };
    // Bindings changed between their load at start-up and the watch's beginning.
    TakeWaitingTable();
}

ConfigFollower::~ConfigFollower() {
    state_.DialogClosed = nullptr;
}

std::vector<std::string> ConfigFollower::Files() const {
    std::vector<std::string> files{state_.location.IniPath};
    const std::string table = state_.LaunchFile().path;
    if (table != state_.location.IniPath) {
        files.push_back(table);
    }
    return files;
}

// Watched before they are read: a change between the two is then heard, not lost.
void ConfigFollower::FollowFiles() {
    followed_ = Files();
    watch_.Follow(
        followed_, [this] { FilesChanged(); }, [this] { CheckAgain(); });
    for (const std::string& path : followed_) {
        std::string bytes;
        if (known_.count(path) == 0 &&
            platform::ReadWholeFile(path, bytes) == platform::ReadStatus::Ok) {
            known_[path] = bytes;
        }
    }
}

void ConfigFollower::FilesChanged() {
    for (const std::string& path : followed_) {
        Check(path, false);
    }
    FollowPortableSwitch();
}

void ConfigFollower::CheckAgain() {
    for (const std::string& path : followed_) {
        Check(path, true);
    }
    FollowPortableSwitch();
}

// The portable switch, changed by the hub or in the file, chooses another table file.
void ConfigFollower::FollowPortableSwitch() {
    if (Files() != followed_) {
        FollowFiles();
    }
}

// Another program's content is taken once it reads the same at a change and a moment later,
// with no change between: a file that is being written in place is never taken half.
void ConfigFollower::Check(const std::string& path, bool settled) {
    std::string bytes;
    switch (platform::ReadWholeFile(path, bytes)) {
    case platform::ReadStatus::Missing:
        // Kept as last taken: a file is gone only for a moment while it is replaced.
        return;
    case platform::ReadStatus::Failed:
        if (++unreadable_ <= kUnreadableRetries) {
            watch_.CheckAgainSoon();
        }
        return;
    case platform::ReadStatus::Ok:
        unreadable_ = 0;
        break;
    }
    std::string& known = known_[path];
    if (bytes == known || config::IsOwnWrite(path, bytes)) {
        known = bytes;
        unsettled_.erase(path);
        return;
    }
    const auto seen = unsettled_.find(path);
    if (!settled || seen == unsettled_.end() || seen->second != bytes) {
        unsettled_[path] = bytes;
        watch_.CheckAgainSoon();
        return;
    }
    unsettled_.erase(seen);
    Take(path, std::exchange(known, bytes), bytes);
}

// A dialog that is open keeps what it shows: its values are taken when it is closed and saved.
void ConfigFollower::Take(const std::string& path, const std::string& before,
                          const std::string& now) {
    const config::IniFile was(path, before);
    const config::IniFile is(path, now);
    try {
        if (path == state_.location.IniPath) {
            if (!SameLook(was, is)) {
                const config::PopupAppearance look = config::ReadPopupAppearance(is);
                program_.main.Neues_Design(look.blinkfrequenz, look.farbe1, look.farbe2,
                                           look.breite, look.hoehe);
                program_.main.ApplyStyle(look.stil);
            }
            THauptformular& hub = program_.hauptformular;
            if (!hub.IsShown() &&
                !SameValues(was, is, THauptformular::Form().name,
                            {THauptformular::kKuerzel, THauptformular::kPortableModus})) {
                hub.TakeStoredValues();
            }
            TAdmindata& admin = program_.admindata;
            if (!admin.IsShown() && !SameValues(was, is, TAdmindata::Form().name,
                                                {TAdmindata::kKuerzel, TAdmindata::kBenutzername,
                                                 TAdmindata::kPasswort})) {
                admin.TakeStoredValues();
            }
        }
        if (path == state_.LaunchFile().path) {
            TakeWaitingTable();
        }
    } catch (const config::IniFileError&) {
        // The file became unreadable meanwhile; its next change brings it again.
    }
}

// Content not taken yet waits for its own check: the file may be being written just now.
void ConfigFollower::TakeWaitingTable() {
    const std::string path = state_.LaunchFile().path;
    std::string bytes;
    if (program_.hauptformular.EditsOpen() ||
        platform::ReadWholeFile(path, bytes) != platform::ReadStatus::Ok) {
        return;
    }
    const auto known = known_.find(path);
    if ((known != known_.end() && known->second == bytes) || config::IsOwnWrite(path, bytes)) {
        TakeOutsideLaunchTable(state_, config::IniFile(path, bytes));
    }
}

} // namespace dialogs
