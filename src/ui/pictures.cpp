#include "ui/pictures.h"

namespace tamsu {

HBITMAP LoadPictureResource(PictureId) { return nullptr; }

void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& area, int ox, int oy) {
    BITMAP bm{};
    if (!bitmap || !GetObjectW(bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap);
    const int startX = ox + ((area.left - ox) / bm.bmWidth) * bm.bmWidth - (area.left < ox ? bm.bmWidth : 0);
    const int startY = oy + ((area.top - oy) / bm.bmHeight) * bm.bmHeight - (area.top < oy ? bm.bmHeight : 0);
    for (int y = startY; y < area.bottom; y += bm.bmHeight)
        for (int x = startX; x < area.right; x += bm.bmWidth) BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

}  // namespace tamsu
