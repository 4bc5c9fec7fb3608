// The pictures come from the icon resources at the screen's size and keep their transparency:
// a menu or button would otherwise show them on a black or coloured square.
#include "gui/win32/Pictures.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using dialogs::Picture;

int ScreenSide() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return MulDiv(16, dpi, 96);
}

// Premultiplied, as menus blend it, with clear and opaque pixels.
void ExpectTransparentPicture(HBITMAP bitmap, int side) {
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
    ASSERT_EQ(section.dsBm.bmWidth, side);
    ASSERT_EQ(section.dsBm.bmHeight, side);
    int clear = 0, opaque = 0;
    const auto* pixel = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    for (int i = 0; i < side * side; ++i) {
        const std::uint32_t alpha = pixel[i] >> 24;
        clear += alpha == 0;
        opaque += alpha == 255;
        // No colour brighter than its alpha.
        EXPECT_LE(pixel[i] & 0xFF, alpha);
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(opaque, 0);
}

TEST(Pictures, EveryPictureIsDrawnAtTheScreensSizeWithItsTransparency) {
    const int side = ScreenSide();
    for (int value = static_cast<int>(Picture::Minimize);
         value <= static_cast<int>(Picture::Browse); ++value) {
        SCOPED_TRACE(value);
        ExpectTransparentPicture(win32face::PictureBitmap(static_cast<Picture>(value)), side);

        int width = 0, height = 0;
        ImageList_GetIconSize(win32face::PictureImageList(static_cast<Picture>(value)), &width,
                              &height);
        EXPECT_EQ(width, side);
        EXPECT_EQ(height, side);
    }
    EXPECT_EQ(win32face::PictureBitmap(Picture::None), nullptr);
    EXPECT_NE(win32face::TrayIconPicture(GetSystemMetrics(SM_CXSMICON)), nullptr);
}

// Screens scaled to 150, 200, 250 and 300 % take the larger sizes, which are stored differently.
TEST(Pictures, EveryStoredSizeKeepsItsTransparency) {
    for (const int side : {24, 32, 40, 48}) {
        SCOPED_TRACE(side);
        const HBITMAP bitmap = win32face::PictureBitmapAt(Picture::Ok, side);
        ExpectTransparentPicture(bitmap, side);
        DeleteObject(bitmap);
        // As the buttons' image lists take it.
        const HICON icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), L"PICTURE_OK", IMAGE_ICON, side, side, 0));
        EXPECT_NE(icon, nullptr);
        DestroyIcon(icon);
    }
}

} // namespace
