#pragma once
#include <windows.h>

#include <optional>

#include "face/image.h"

// Draws image with its top-left corner at (x, y) of the device context.
// Returns false when the platform refuses the transfer.
bool DrawImage(HDC dc, int x, int y, const Image& image);

// Loads and decodes a bitmap resource of module; the name is matched without
// regard to case. No image when the resource is missing or not a bitmap the
// decoder reads.
std::optional<Image> LoadBitmapResource(HMODULE module, const char* name);
