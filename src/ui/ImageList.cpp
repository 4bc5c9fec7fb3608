#include "ui/ImageList.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace ui {

QIcon HubImage(int index) {
    static constexpr QStyle::StandardPixmap kPictures[] = {QStyle::SP_TitleBarMinButton,
                                                           QStyle::SP_MessageBoxInformation,
                                                           QStyle::SP_DialogHelpButton,
                                                           QStyle::SP_DriveHDIcon,
                                                           QStyle::SP_FileDialogDetailedView,
                                                           QStyle::SP_DialogSaveButton,
                                                           QStyle::SP_VistaShield,
                                                           QStyle::SP_DesktopIcon,
                                                           QStyle::SP_DialogCloseButton};
    if (index < 0 || index >= static_cast<int>(std::size(kPictures))) {
        return {};
    }
    return QApplication::style()->standardIcon(kPictures[index]);
}

// A red key cap with a white "T", drawn once.
QIcon ApplicationIcon() {
    static const QIcon icon = [] {
        QPixmap picture(64, 64);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(200, 30, 30));
        painter.setPen(QPen(QColor(120, 0, 0), 3));
        painter.drawRoundedRect(4, 4, 56, 56, 12, 12);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(40);
        painter.setFont(font);
        painter.drawText(picture.rect(), Qt::AlignCenter, "T");
        return QIcon(picture);
    }();
    return icon;
}

} // namespace ui
