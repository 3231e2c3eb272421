#include "pickers/view_button_win32.h"

#include "platform/win32/gdi_handles.h"

void DrawTransparent(HDC dc, HBITMAP bitmap, COLORREF transparent) {
    constexpr int w = 23, h = 22;
    MemoryDC image(dc), save(dc), object(dc), back(dc), memory(dc);
    SelectedObject picture(image.Get(), bitmap);
    SetMapMode(image.Get(), GetMapMode(dc));
    GdiObject<HBITMAP> backMask(CreateBitmap(w, h, 1, 1, nullptr));
    GdiObject<HBITMAP> objectMask(CreateBitmap(w, h, 1, 1, nullptr));
    GdiObject<HBITMAP> memoryBits(CreateCompatibleBitmap(dc, w, h));
    GdiObject<HBITMAP> saveBits(CreateCompatibleBitmap(dc, w, h));
    SelectedObject backSelected(back.Get(), backMask.Get());
    SelectedObject objectSelected(object.Get(), objectMask.Get());
    SelectedObject memorySelected(memory.Get(), memoryBits.Get());
    SelectedObject saveSelected(save.Get(), saveBits.Get());

    BitBlt(save.Get(), 0, 0, w, h, image.Get(), 0, 0, SRCCOPY);
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
    BitBlt(image.Get(), 0, 0, w, h, save.Get(), 0, 0, SRCCOPY);
}
