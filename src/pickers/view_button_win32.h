#pragma once
#include <windows.h>

// Draws bitmap at the top-left of dc, 23 by 22 pixels, leaving the pixels
// of the transparent colour untouched so that the background shows through.
void DrawTransparent(HDC dc, HBITMAP bitmap, COLORREF transparent);
