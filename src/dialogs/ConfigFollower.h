// Follows the INI file, and in portable mode the launch-table file, while the program runs: a
// change that another program makes there (by hand, a synchronisation tool, a copy on another
// machine) is taken a moment later, once the file reads the same as at the change: the launch
// table, the popup's look and the hotkeys. The program's own writes are no change.
#pragma once

#include "core/ProgramState.h"
#include "dialogs/Program.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dialogs {

// What the follower asks of a face: to hear of changes in the folders of some files, without
// asking the file system again and again.
class FileWatch {
  public:
    // From now on a change in the folder of any of these files (only these) runs changed; a file
    // replaced by renaming another one over it is a change too. again runs a moment after
    // CheckAgainSoon.
    virtual void Follow(const std::vector<std::string>& files, std::function<void()> changed,
                        std::function<void()> again) = 0;
    // Runs again a moment from now; asked once more before that, the moment starts anew.
    virtual void CheckAgainSoon() = 0;

  protected:
    ~FileWatch() = default;
};

class ConfigFollower {
  public:
    // Follows the files as they are now.
    ConfigFollower(core::ProgramState& state, Program& program, FileWatch& watch);
    ~ConfigFollower();
    ConfigFollower(const ConfigFollower&) = delete;
    ConfigFollower& operator=(const ConfigFollower&) = delete;

    // A change in a followed folder.
    void FilesChanged();
    // The moment after a change: content read the same at the change and now is taken.
    void CheckAgain();

  private:
    std::vector<std::string> Files() const;
    void FollowFiles();
    void FollowPortableSwitch();
    void Check(const std::string& path, bool settled);
    void Take(const std::string& path, const std::string& before, const std::string& now);
    // The bindings changed outside while an editor was open, once none is.
    void TakeWaitingTable();

    core::ProgramState& state_;
    Program& program_;
    FileWatch& watch_;
    std::vector<std::string> followed_;
    std::map<std::string, std::string> known_;     // each file's content as last taken or written
    std::map<std::string, std::string> unsettled_; // content read at a change, not taken yet
    int unreadable_ = 0;                           // reads in a row that failed
};

} // namespace dialogs
