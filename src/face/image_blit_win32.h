#pragma once
#include <windows.h>


#include "face/image.h"

// Draws image with its top-left corner at (x, y) of the device context.
// Returns false when the platform refuses the transfer.
bool DrawImage(HDC dc, int x, int y, const Image& image);
