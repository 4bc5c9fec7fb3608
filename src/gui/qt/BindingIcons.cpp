#include "gui/qt/BindingIcons.h"

#include "integration/DesktopEntryFile.h"
#include "platform/FileSystem.h"

#include <QDirIterator>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

namespace qtface {

namespace {

std::optional<integration::DesktopEntryLaunch> ReadEntry(const QString& path) {
    std::string text;
    if (platform::ReadWholeFile(path.toStdString(), text) != platform::ReadStatus::Ok) {
        return std::nullopt;
    }
    return integration::ReadDesktopEntryLaunch(text);
}

// A bare program name is looked up as the launcher finds it, on the search path.
QFileInfo FileOf(const QString& path) {
    const QFileInfo file(path);
    if (file.isAbsolute()) {
        return file;
    }
    const QString found = QStandardPaths::findExecutable(path);
    return found.isEmpty() ? file : QFileInfo(found);
}

QIcon NamedIcon(const QString& icon) {
    return QFileInfo(icon).isAbsolute() ? QIcon(icon) : QIcon::fromTheme(icon);
}

} // namespace

// The user's entries come first and hide the system's of the same program.
BindingIcons::BindingIcons() {
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        QDirIterator entries(folder, {"*.desktop"}, QDir::Files, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const auto entry = ReadEntry(entries.next());
            if (!entry || entry->icon.empty()) {
                continue;
            }
            const QFileInfo program = FileOf(QString::fromStdString(entry->command.front()));
            if (program.isAbsolute() && !installed_.contains(program.absoluteFilePath())) {
                installed_.insert(program.absoluteFilePath(), QString::fromStdString(entry->icon));
            }
        }
    }
}

QIcon BindingIcons::For(const std::string& path) const {
    if (path.empty()) {
        return {};
    }
    const QFileInfo file = FileOf(QString::fromStdString(path));
    QIcon icon;
    if (file.suffix() == "desktop") {
        const auto entry = ReadEntry(file.filePath());
        icon = entry ? NamedIcon(QString::fromStdString(entry->icon)) : QIcon();
    } else if (const auto found = installed_.constFind(file.absoluteFilePath());
               found != installed_.constEnd()) {
        icon = NamedIcon(*found);
    }
    return icon.isNull() ? QFileIconProvider().icon(file) : icon;
}

} // namespace qtface
