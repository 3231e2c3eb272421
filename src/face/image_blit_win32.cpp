#include "face/image_blit_win32.h"

#include <algorithm>
#include <vector>

bool DrawImage(HDC dc, int x, int y, const Image& image) {
    if (image.Empty()) return true;
    // A band of rows at a time: the picture is not held twice.
    constexpr int kBandRows = 16;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::size_t width = static_cast<std::size_t>(image.Width());
    std::vector<DWORD> bits(width * kBandRows);
    bool drawn = true;
    for (int top = 0; top < image.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, image.Height() - top);
        // A 32-bit DIB pixel is blue, green, red, unused in memory: 0x00RRGGBB,
        // the reverse of a colour value's byte order.
        std::size_t i = 0;
        for (int y = top; y < top + rows; ++y)
            for (int x = 0; x < image.Width(); ++x) {
                const Colour c = image.Get(x, y);
                bits[i++] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
            }
        info.bmiHeader.biHeight = -rows; // rows from the top
        drawn = SetDIBitsToDevice(dc, x, y + top, static_cast<DWORD>(width), static_cast<DWORD>(rows),
                                  0, 0, 0, static_cast<UINT>(rows), bits.data(), &info,
                                  DIB_RGB_COLORS) != 0 && drawn;
    }
    return drawn;
}
