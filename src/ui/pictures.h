// The window's pictures, decoded from the executable's resources.
#pragma once

#include <windows.h>

#include "ui/window_layout.h"

namespace tamsu {

// Decodes the picture resource into a bitmap the caller owns; nullptr when the
// resource is missing or cannot be decoded (the control then goes without it).
HBITMAP LoadPictureResource(PictureId id);

// Draws the bitmap tiled over the rectangle, starting at the origin (ox, oy).
void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& area, int ox, int oy);

}  // namespace tamsu
