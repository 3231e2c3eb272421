#pragma once
#include <windows.h>


#include "face/image.h"

// Draws image at the top-left of the device context, each of its pixels a
// block of multiple x multiple device pixels. Returns false when the platform
// refuses the transfer.
bool DrawImage(HDC dc, const Image& image, int multiple);
