#include "gui/qt/Pictures.h"

#include <QImageReader>
#include <QPixmap>
#include <QResource>

#include <cstring>

#include <initializer_list>

namespace qtface {

namespace {

// Read as PNG, never guessed: guessing a picture's format loads every image format plugin
// and its libraries, which at start-up would delay the tray icon.
QIcon Ours(const char* name, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(QString(":/pictures/%1-%2.png").arg(name).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// Pixels stored as the build tool picture_pixels wrote them: no decoder runs at start.
QIcon Pixels(const char* name, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        const QResource stored(QString(":/pixels/%1-%2").arg(name).arg(size));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        if (stored.size() == image.sizeInBytes() &&
            stored.compressionAlgorithm() == QResource::NoCompression) {
            std::memcpy(image.bits(), stored.data(), static_cast<size_t>(image.sizeInBytes()));
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

} // namespace

QIcon PictureIcon(dialogs::Picture picture) {
    using dialogs::Picture;
    struct Entry {
        Picture picture;
        const char* ours;
        const char* theme; // a freedesktop icon name; nullptr where no theme icon means the same
    };
    static constexpr Entry kPictures[] = {
        {Picture::Minimize, "minimize", "window-minimize"},
        {Picture::Information, "information", "help-about"},
        {Picture::Help, "help", "help-contents"},
        {Picture::Drive, "drive", "drive-harddisk"},
        {Picture::EditList, "edit-list", nullptr},
        {Picture::Install, "install", "system-software-install"},
        {Picture::Admin, "admin", nullptr},
        {Picture::Appearance, "appearance", "preferences-desktop-theme"},
        {Picture::EndProgram, "end-program", "application-exit"},
        {Picture::Ok, "ok", "dialog-ok"},
        {Picture::Cancel, "cancel", "dialog-cancel"},
        {Picture::Change, "change", "document-edit"},
        {Picture::Delete, "delete", "edit-delete"},
        {Picture::Add, "add", "list-add"},
        {Picture::Browse, "browse", "document-open"},
    };
    for (const Entry& entry : kPictures) {
        if (entry.picture == picture) {
            const QIcon ours = Ours(entry.ours, {16, 24, 32});
            return entry.theme != nullptr ? QIcon::fromTheme(entry.theme, ours) : ours;
        }
    }
    return {};
}

// The sizes of title bars and task lists (TIPPOMAT_WINDOW_ICON_SIZES): each window sends all of
// them to the X server as it is made. Larger pictures of the program come from the icon theme.
QIcon ApplicationIcon() {
    static const QIcon icon = Pixels("tippomat", {16, 22, 24, 32, 48, 64});
    return icon;
}

QIcon TrayPicture() {
    static const QIcon icon = Pixels("tray", {16, 24, 32});
    return icon;
}

} // namespace qtface
