#include "gui/win32/Pictures.h"

#include "gui/win32/ResourceIds.h"
#include "integration/Com_win.h"

#include <wincodec.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <utility>

namespace win32face {

namespace {

using dialogs::Picture;

// Each picture is an icon resource (Pictures.rc) holding it at 16, 24, 32, 40 and 48 pixels.
struct Entry {
    Picture picture;
    const wchar_t* resource;
};

constexpr Entry kPictures[] = {
    {Picture::Minimize, L"PICTURE_MINIMIZE"},
    {Picture::Information, L"PICTURE_INFORMATION"},
    {Picture::Help, L"PICTURE_HELP"},
    {Picture::Drive, L"PICTURE_DRIVE"},
    {Picture::EditList, L"PICTURE_EDIT_LIST"},
    {Picture::Install, L"PICTURE_INSTALL"},
    {Picture::Admin, L"PICTURE_ADMIN"},
    {Picture::Appearance, L"PICTURE_APPEARANCE"},
    {Picture::EndProgram, L"PICTURE_END_PROGRAM"},
    {Picture::Ok, L"PICTURE_OK"},
    {Picture::Cancel, L"PICTURE_CANCEL"},
    {Picture::Change, L"PICTURE_CHANGE"},
    {Picture::Delete, L"PICTURE_DELETE"},
    {Picture::Add, L"PICTURE_ADD"},
    {Picture::Browse, L"PICTURE_BROWSE"},
};

const wchar_t* ResourceOf(Picture picture) {
    for (const Entry& entry : kPictures) {
        if (entry.picture == picture) {
            return entry.resource;
        }
    }
    return nullptr;
}

// The side of a picture on the screen: 16 pixels at 96 dots per inch.
int Side() {
    static const int side = [] {
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return MulDiv(16, dpi, 96);
    }();
    return side;
}

// A top-down 32-bit bitmap; bits receives its pixels.
HBITMAP NewBitmap(int width, int height, void** bits) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, bits, nullptr, 0);
}

// An icon image stored as a 32-bit bitmap with its mask, premultiplied.
HBITMAP BitmapOfBitmapImage(const BITMAPINFOHEADER* header) {
    const int width = header->biWidth;
    const int height = header->biHeight / 2; // the colour bitmap, then the mask
    if (header->biBitCount != 32 || width <= 0 || height <= 0) {
        return nullptr;
    }
    const auto* source = reinterpret_cast<const std::uint8_t*>(header) + header->biSize;
    void* bits = nullptr;
    const HBITMAP bitmap = NewBitmap(width, height, &bits);
    if (bitmap == nullptr) {
        return nullptr;
    }
    auto* target = static_cast<std::uint8_t*>(bits);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* from = source + (height - 1 - row) * width * 4; // stored bottom-up
        std::uint8_t* to = target + row * width * 4;
        for (int x = 0; x < width; ++x, from += 4, to += 4) {
            const unsigned alpha = from[3];
            for (int channel = 0; channel < 3; ++channel) {
                to[channel] = static_cast<std::uint8_t>(from[channel] * alpha / 255);
            }
            to[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return bitmap;
}

// An icon image stored as PNG (the larger sizes are, to keep the program file small), decoded
// by the system's imaging component straight into premultiplied pixels.
HBITMAP BitmapOfPngImage(const void* data, DWORD size) {
    using integration::ComPointer;
    const integration::ComScope com;
    ComPointer<IWICImagingFactory> factory;
    ComPointer<IWICStream> stream;
    ComPointer<IWICBitmapDecoder> decoder;
    ComPointer<IWICBitmapFrameDecode> frame;
    ComPointer<IWICFormatConverter> pixels;
    UINT width = 0, height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(factory.Out()))) ||
        FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(factory->CreateFormatConverter(pixels.Out())) ||
        FAILED(pixels->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                  WICBitmapDitherTypeNone, nullptr, 0,
                                  WICBitmapPaletteTypeCustom)) ||
        FAILED(pixels->GetSize(&width, &height)) || width == 0 || height == 0) {
        return nullptr;
    }
    void* bits = nullptr;
    HBITMAP bitmap = NewBitmap(static_cast<int>(width), static_cast<int>(height), &bits);
    if (bitmap != nullptr && FAILED(pixels->CopyPixels(nullptr, width * 4, width * height * 4,
                                                       static_cast<BYTE*>(bits)))) {
        DeleteObject(std::exchange(bitmap, nullptr));
    }
    return bitmap;
}

// The icon image nearest to that side, read from the icon resource itself: drawing an icon with
// GDI loses its alpha.
HBITMAP IconBitmap(const wchar_t* resource, int side) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC group = FindResourceW(module, resource, RT_GROUP_ICON);
    if (group == nullptr) {
        return nullptr;
    }
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, side, side, LR_DEFAULTCOLOR);
    const HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
    if (image == nullptr) {
        return nullptr;
    }
    const void* data = LockResource(LoadResource(module, image));
    const DWORD size = SizeofResource(module, image);
    constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G'};
    if (size >= sizeof kPngSignature &&
        std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0) {
        return BitmapOfPngImage(data, size);
    }
    return size >= sizeof(BITMAPINFOHEADER)
               ? BitmapOfBitmapImage(static_cast<const BITMAPINFOHEADER*>(data))
               : nullptr;
}

} // namespace

HBITMAP PictureBitmap(Picture picture) {
    static std::map<Picture, HBITMAP> made;
    if (const auto known = made.find(picture); known != made.end()) {
        return known->second;
    }
    return made[picture] = PictureBitmapAt(picture, Side());
}

HBITMAP PictureBitmapAt(Picture picture, int side) {
    const wchar_t* resource = ResourceOf(picture);
    return resource != nullptr ? IconBitmap(resource, side) : nullptr;
}

HIMAGELIST PictureImageList(Picture picture) {
    static std::map<Picture, HIMAGELIST> lists;
    if (const auto known = lists.find(picture); known != lists.end()) {
        return known->second;
    }
    const wchar_t* resource = ResourceOf(picture);
    if (resource == nullptr) {
        return nullptr;
    }
    // The list keeps a copy.
    const HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), resource, IMAGE_ICON, Side(), Side(), 0));
    const HIMAGELIST list = ImageList_Create(Side(), Side(), ILC_COLOR32, 1, 0);
    ImageList_AddIcon(list, icon);
    DestroyIcon(icon);
    return lists[picture] = list;
}

HICON ApplicationIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TIPPOMAT_ICON),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

HICON TrayIconPicture(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TRAY_ICON),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

} // namespace win32face
