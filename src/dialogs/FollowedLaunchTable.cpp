#include "dialogs/FollowedLaunchTable.h"

#include "config/IniFile.h"
#include "config/TableMerge.h"

namespace dialogs {

namespace {

void RememberOnFile(core::ProgramState& state) {
    state.tableOnFile = state.table;
    state.tableFilePath = state.LaunchFile().path;
}

config::LaunchTable TableIn(const core::ProgramState& state, const config::IniFile& file) {
    config::LaunchTable table;
    config::ReadLaunchTable(table, file, state.LaunchFile().launchDrive);
    return table;
}

// The keys by their names ("A", "F2"): a label is the name followed by ": ".
std::string ClashingKeys(const config::LaunchTable& table, const std::vector<int>& clash) {
    std::string keys;
    for (const int index : clash) {
        const std::string& label = table.Slot(index).Label;
        keys += (keys.empty() ? "" : ", ") + label.substr(0, label.find(':'));
    }
    return keys;
}

} // namespace

bool OwnChangesHold(DialogView& asking, const std::string& changed) {
    return asking.Ask({core::MessageKind::Confirmation,
                       changed +
                           " inzwischen auch von einem anderen Programm geändert.\rSollen Ihre "
                           "Änderungen gelten? (Nein: es gelten die Änderungen des anderen "
                           "Programms.)",
                       MessageButtons::YesNo, 200}) == Answer::Yes;
}

void LoadFollowedLaunchTable(core::ProgramState& state) {
    config::LoadLaunchTable(state.table, state.LaunchFile());
    RememberOnFile(state);
}

bool SaveFollowedLaunchTable(core::ProgramState& state, DialogView& asking) {
    const config::LaunchFile file = state.LaunchFile();
    // Into another file (the portable switch): the table is carried over as it is.
    if (file.path == state.tableFilePath) {
        const config::LaunchTable theirs = TableIn(state, config::IniFile(file.path));
        config::TableMerge merge =
            config::MergeLaunchTables(state.tableOnFile, state.table, theirs);
        if (!merge.clash.empty() &&
            !OwnChangesHold(asking, std::string("Die Belegung der ") +
                                        (merge.clash.size() > 1 ? "Tasten " : "Taste ") +
                                        ClashingKeys(state.table, merge.clash) + " wurde")) {
            for (const int index : merge.clash) {
                merge.merged.Slot(index) = theirs.Slot(index);
            }
        }
        state.table = merge.merged;
    }
    if (!config::SaveLaunchTable(state.table, file)) {
        return false;
    }
    RememberOnFile(state);
    return true;
}

bool TakeOutsideLaunchTable(core::ProgramState& state, const config::IniFile& file) {
    config::LaunchTable theirs = TableIn(state, file);
    const config::TableMerge merge =
        config::MergeLaunchTables(state.tableOnFile, state.table, theirs);
    if (!merge.clash.empty()) {
        return false;
    }
    state.table = merge.merged;
    state.table.BuildKeyListText();
    state.tableOnFile = std::move(theirs);
    return true;
}

} // namespace dialogs
