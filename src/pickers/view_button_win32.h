#pragma once
#include <windows.h>

// The buttons' pictures are 23 by 22 pixels.
constexpr int kViewButtonWidth = 23, kViewButtonHeight = 22;

// Draws the 23 x 22 bitmap at the top-left of dc, each of its pixels a block
// of multiple x multiple, leaving the pixels of the transparent colour
// untouched so that the background shows through.
void DrawTransparent(HDC dc, HBITMAP bitmap, COLORREF transparent, int multiple);
