#include "gui/qt/Pictures.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace qtface {

QIcon PictureIcon(dialogs::Picture picture) {
    using dialogs::Picture;
    struct Entry {
        Picture picture;
        QStyle::StandardPixmap pixmap;
    };
    static constexpr Entry kPictures[] = {
        {Picture::Minimize, QStyle::SP_TitleBarMinButton},
        {Picture::Information, QStyle::SP_MessageBoxInformation},
        {Picture::Help, QStyle::SP_DialogHelpButton},
        {Picture::Drive, QStyle::SP_DriveHDIcon},
        {Picture::EditList, QStyle::SP_FileDialogDetailedView},
        {Picture::Install, QStyle::SP_DialogSaveButton},
        {Picture::Admin, QStyle::SP_VistaShield},
        {Picture::Appearance, QStyle::SP_DesktopIcon},
        {Picture::EndProgram, QStyle::SP_DialogCloseButton},
        {Picture::Ok, QStyle::SP_DialogOkButton},
        {Picture::Cancel, QStyle::SP_DialogCancelButton},
        {Picture::Change, QStyle::SP_FileDialogContentsView},
        {Picture::Delete, QStyle::SP_TrashIcon},
        {Picture::Add, QStyle::SP_FileDialogNewFolder},
        {Picture::Browse, QStyle::SP_DirOpenIcon},
    };
    for (const Entry& entry : kPictures) {
        if (entry.picture == picture) {
            return QApplication::style()->standardIcon(entry.pixmap);
        }
    }
    return {};
}

// A red key cap with a white "T", drawn from shapes: no font is loaded for it.
QIcon ApplicationIcon() {
    static const QIcon icon = [] {
        QPixmap picture(64, 64);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(200, 30, 30));
        painter.setPen(QPen(QColor(120, 0, 0), 3));
        painter.drawRoundedRect(4, 4, 56, 56, 12, 12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(16, 14, 32, 8);
        painter.drawRect(28, 14, 8, 36);
        return QIcon(picture);
    }();
    return icon;
}

} // namespace qtface
