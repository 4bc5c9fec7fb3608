// Our pictures are built into the program at every size a scaling of 100, 150 or 200 % asks for,
// so none is stretched.
#include "gui/qt/Pictures.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void ExpectSharpAtEveryScaling(const QIcon& icon, int side) {
    for (const qreal scaling : {1.0, 1.5, 2.0}) {
        const int pixels = static_cast<int>(side * scaling);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(pixels, pixels))) << pixels;
        EXPECT_EQ(icon.pixmap(QSize(side, side), scaling).size(), QSize(pixels, pixels));
    }
}

TEST(PicturesTest, EveryPictureAndTheIconsAreDrawnForEachScaling) {
    using dialogs::Picture;
    // Offscreen there is no desktop theme: these are ours.
    for (int picture = static_cast<int>(Picture::Minimize);
         picture <= static_cast<int>(Picture::Browse); ++picture) {
        SCOPED_TRACE(picture);
        ExpectSharpAtEveryScaling(qtface::PictureIcon(static_cast<Picture>(picture)), 16);
    }
    ExpectSharpAtEveryScaling(qtface::TrayPicture(), 16);
    ExpectSharpAtEveryScaling(qtface::ApplicationIcon(), 32);
    EXPECT_TRUE(qtface::PictureIcon(Picture::None).isNull());
}

TEST(PicturesTest, TheDesktopThemesIconIsTakenWhereItHasOneOfTheSameMeaning) {
    QTemporaryDir themes;
    const QString theme = themes.path() + "/probe";
    QDir().mkpath(theme + "/16x16/actions");
    QFile index(theme + "/index.theme");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=probe\nDirectories=16x16/actions\n\n"
                "[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    ASSERT_TRUE(qtface::TrayPicture().pixmap(16).save(theme + "/16x16/actions/help-contents.png"));
    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString themeName = QIcon::themeName();
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName("probe");

    EXPECT_EQ(qtface::PictureIcon(dialogs::Picture::Help).name(), "help-contents");
    EXPECT_TRUE(qtface::PictureIcon(dialogs::Picture::Delete).name().isEmpty())
        << "the theme has no edit-delete: ours";

    QIcon::setThemeName(themeName);
    QIcon::setThemeSearchPaths(searchPaths);
}

} // namespace
