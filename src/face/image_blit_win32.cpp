#include "face/image_blit_win32.h"

#include <algorithm>
#include <vector>

bool DrawImage(HDC dc, const Image& image, int multiple) {
    if (image.Empty()) return true;
    // A band of rows at a time: the picture is not held twice. The pixels are
    // repeated here rather than stretched by the system, whose stretching
    // modes differ in how they pick pixels; these blocks are exact.
    constexpr int kBandRows = 16;
    const int m = std::max(1, multiple);
    const std::size_t width = static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(m);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bits(width * static_cast<std::size_t>(kBandRows * m));
    bool drawn = true;
    for (int top = 0; top < image.Height(); top += kBandRows) {
        const int rows = std::min(kBandRows, image.Height() - top);
        // A 32-bit DIB pixel is blue, green, red, unused in memory: 0x00RRGGBB,
        // the reverse of a colour value's byte order.
        DWORD* out = bits.data();
        for (int y = top; y < top + rows; ++y) {
            const DWORD* row = out;
            for (int x = 0; x < image.Width(); ++x) {
                const Colour c = image.Get(x, y);
                out = std::fill_n(out, m, ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
            }
            for (int copy = 1; copy < m; ++copy) out = std::copy(row, row + width, out);
        }
        const int deviceRows = rows * m;
        info.bmiHeader.biHeight = -deviceRows; // rows from the top
        drawn = SetDIBitsToDevice(dc, 0, top * m, static_cast<DWORD>(width), static_cast<DWORD>(deviceRows),
                                  0, 0, 0, static_cast<UINT>(deviceRows), bits.data(), &info,
                                  DIB_RGB_COLORS) != 0 && drawn;
    }
    return drawn;
}
