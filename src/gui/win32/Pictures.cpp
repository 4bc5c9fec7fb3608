#include "gui/win32/Pictures.h"

#include "gui/win32/ResourceIds.h"
#include "gui/win32/WindowBasics.h"

#include <cstdint>
#include <map>

namespace win32face {

namespace {

using dialogs::Picture;

constexpr int kSide = 16;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// A coloured key with a white sign: enough to tell the entries apart at a glance.
struct Look {
    Picture picture;
    COLORREF color;
    const wchar_t* sign;
    int signHeight;
};

constexpr Look kLooks[] = {
    {Picture::Minimize, RGB(96, 125, 139), L"\u2013", -14},
    {Picture::Information, RGB(30, 100, 200), L"i", -13},
    {Picture::Help, RGB(30, 100, 200), L"?", -13},
    {Picture::Drive, RGB(90, 90, 90), L"D", -12},
    {Picture::EditList, RGB(230, 130, 20), L"=", -13},
    {Picture::Install, RGB(40, 150, 60), L"+", -14},
    {Picture::Admin, RGB(200, 150, 0), L"!", -13},
    {Picture::Appearance, RGB(140, 60, 170), L"~", -14},
    {Picture::EndProgram, RGB(200, 40, 40), L"\u00D7", -14},
    {Picture::Ok, RGB(40, 150, 60), L"OK", -9},
    {Picture::Cancel, RGB(200, 40, 40), L"\u00D7", -14},
    {Picture::Change, RGB(230, 130, 20), L"\u270E", -13},
    {Picture::Delete, RGB(200, 40, 40), L"\u2013", -14},
    {Picture::Add, RGB(40, 150, 60), L"+", -14},
    {Picture::Browse, RGB(90, 90, 90), L"\u2026", -13},
};

HBITMAP Draw(const Look& look) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = kSide;
    format.bmiHeader.biHeight = -kSide;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);

    RECT all{0, 0, kSide, kSide};
    const HBRUSH clear = CreateSolidBrush(kTransparent);
    FillRect(dc, &all, clear);
    DeleteObject(clear);
    const HBRUSH fill = CreateSolidBrush(look.color);
    const HGDIOBJ oldBrush = SelectObject(dc, fill);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    RoundRect(dc, 0, 0, kSide + 1, kSide + 1, 6, 6);
    // Sharp edges only: a blended edge would keep a trace of the transparent colour.
    const HFONT font = CreateTahoma(look.signHeight, FW_BOLD, NONANTIALIASED_QUALITY);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, look.sign, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    GdiFlush();
    SelectObject(dc, oldFont);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(fill);
    DeleteDC(dc);

    // GDI leaves alpha at 0: every drawn pixel becomes opaque, the background transparent.
    auto* pixel = static_cast<std::uint32_t*>(bits);
    const std::uint32_t transparent = 0x00FF00FF; // kTransparent as the bitmap stores it
    for (int i = 0; i < kSide * kSide; ++i) {
        pixel[i] = (pixel[i] & 0x00FFFFFF) == transparent ? 0 : (pixel[i] | 0xFF000000);
    }
    return bitmap;
}

} // namespace

HBITMAP PictureBitmap(Picture picture) {
    static std::map<Picture, HBITMAP> drawn;
    if (const auto known = drawn.find(picture); known != drawn.end()) {
        return known->second;
    }
    for (const Look& look : kLooks) {
        if (look.picture == picture) {
            return drawn[picture] = Draw(look);
        }
    }
    return nullptr;
}

HIMAGELIST PictureImageList(Picture picture) {
    static std::map<Picture, HIMAGELIST> lists;
    if (const auto known = lists.find(picture); known != lists.end()) {
        return known->second;
    }
    const HBITMAP bitmap = PictureBitmap(picture);
    if (bitmap == nullptr) {
        return nullptr;
    }
    const HIMAGELIST list = ImageList_Create(kSide, kSide, ILC_COLOR32, 1, 0);
    ImageList_Add(list, bitmap, nullptr);
    return lists[picture] = list;
}

HICON ApplicationIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TIPPOMAT_ICON),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

} // namespace win32face
