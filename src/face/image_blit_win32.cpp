#include "face/image_blit_win32.h"

#include <vector>


bool DrawImage(HDC dc, int x, int y, const Image& image) {
    if (image.Empty()) return true;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = -image.Height(); // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    // A 32-bit DIB pixel is blue, green, red, unused in memory: 0x00RRGGBB,
    // the reverse of a colour value's byte order.
    std::vector<DWORD> bits;
    bits.reserve(image.Pixels().size());
    for (Colour c : image.Pixels())
        bits.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));

    const int lines = SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(image.Width()),
                                        static_cast<DWORD>(image.Height()), 0, 0, 0,
                                        static_cast<UINT>(image.Height()), bits.data(), &info,
                                        DIB_RGB_COLORS);
    return lines != 0;
}
