// The folders of the followed files, watched through the toolkit's file watcher (inotify on
// Linux): the folder sees a file replaced by renaming, the file itself a change in place.
#pragma once

#include "dialogs/ConfigFollower.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include <functional>

namespace qtface {

class FileWatch : public dialogs::FileWatch {
  public:
    FileWatch();

    void Follow(const std::vector<std::string>& files, std::function<void()> changed,
                std::function<void()> again) override;
    void CheckAgainSoon() override;

  private:
    void Changed();
    // A file replaced by renaming is a new file: its watch is set again.
    void WatchFiles();

    std::function<void()> changed_;
    std::function<void()> again_;
    QStringList files_;
    QFileSystemWatcher watcher_;
    QTimer moment_;
};

} // namespace qtface
