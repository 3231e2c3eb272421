#include "pickers/view_button_win32.h"

#include "platform/win32/gdi_handles.h"
#include "platform/win32/win32_dpi.h"

void DrawTransparent(HDC dc, HBITMAP bitmap, COLORREF transparent, int multiple) {
    const int w = kViewButtonWidth * multiple, h = kViewButtonHeight * multiple;
    // The masks below work on a copy as large as it is drawn, which they may change.
    GdiObject<HBITMAP> enlarged(CreateCompatibleBitmap(dc, w, h));
    MemoryDC image(dc), object(dc), back(dc), memory(dc);
    SelectedObject picture(image.Get(), enlarged.Get());
    DrawBitmapScaled(image.Get(), 0, 0, bitmap, kViewButtonWidth, kViewButtonHeight, multiple);
    SetMapMode(image.Get(), GetMapMode(dc));
    GdiObject<HBITMAP> backMask(CreateBitmap(w, h, 1, 1, nullptr));
    GdiObject<HBITMAP> objectMask(CreateBitmap(w, h, 1, 1, nullptr));
    GdiObject<HBITMAP> memoryBits(CreateCompatibleBitmap(dc, w, h));
    SelectedObject backSelected(back.Get(), backMask.Get());
    SelectedObject objectSelected(object.Get(), objectMask.Get());
    SelectedObject memorySelected(memory.Get(), memoryBits.Get());

    // Into one bit per pixel: the transparent colour turns white, the rest black.
    const COLORREF background = SetBkColor(image.Get(), transparent);
    BitBlt(object.Get(), 0, 0, w, h, image.Get(), 0, 0, SRCCOPY);
    SetBkColor(image.Get(), background);
    BitBlt(back.Get(), 0, 0, w, h, object.Get(), 0, 0, NOTSRCCOPY);
    // The target with black holes where the picture is opaque ...
    BitBlt(memory.Get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    BitBlt(memory.Get(), 0, 0, w, h, object.Get(), 0, 0, SRCAND);
    // ... filled with the picture, whose transparent pixels were made black.
    BitBlt(image.Get(), 0, 0, w, h, back.Get(), 0, 0, SRCAND);
    BitBlt(memory.Get(), 0, 0, w, h, image.Get(), 0, 0, SRCPAINT);
    BitBlt(dc, 0, 0, w, h, memory.Get(), 0, 0, SRCCOPY);
}
