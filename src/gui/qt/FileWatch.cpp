#include "gui/qt/FileWatch.h"

#include <QFileInfo>

namespace qtface {

namespace {

// Long enough for a writer to finish a small file, short enough to take it within a second.
constexpr int kAgainMilliseconds = 250;

} // namespace

FileWatch::FileWatch() {
    moment_.setSingleShot(true);
    moment_.setInterval(kAgainMilliseconds);
    QObject::connect(&moment_, &QTimer::timeout, [this] { again_(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, [this] { Changed(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, [this] { Changed(); });
}

void FileWatch::Follow(const std::vector<std::string>& files, std::function<void()> changed,
                       std::function<void()> again) {
    changed_ = std::move(changed);
    again_ = std::move(again);
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    files_.clear();
    for (const std::string& file : files) {
        files_.append(QString::fromStdString(file));
        watcher_.addPath(QFileInfo(files_.back()).absolutePath());
    }
    WatchFiles();
}

void FileWatch::CheckAgainSoon() {
    moment_.start();
}

void FileWatch::Changed() {
    WatchFiles();
    changed_();
}

void FileWatch::WatchFiles() {
    const QStringList watched = watcher_.files();
    for (const QString& file : files_) {
        if (!watched.contains(file) && QFileInfo::exists(file)) {
            watcher_.addPath(file);
        }
    }
}

} // namespace qtface
