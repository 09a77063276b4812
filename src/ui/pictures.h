// The window's pictures: the bytes of ordinary GIF, JPEG, BMP and ICO files,
// decoded for display. JPEG goes through libjpeg, the others through the
// platform's codecs (WIC).
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/window_layout.h"

namespace tamsu {

// A decoded picture: a 32-bit top-down bitmap it owns. An empty Picture is a
// picture that could not be decoded; drawing it draws nothing.
class Picture {
public:
    Picture() = default;
    Picture(HBITMAP bitmap, int width, int height, bool hasAlpha);
    ~Picture();
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    explicit operator bool() const { return bitmap_ != nullptr; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // True when some pixel is not opaque (a transparent GIF colour, an icon's mask).
    bool hasAlpha() const { return hasAlpha_; }

    // Draws the picture in its own size with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y) const;
    // Fills the rectangle with copies of the picture laid from the origin (ox, oy).
    void Tile(HDC dc, const RECT& area, int ox, int oy) const;

private:
    HBITMAP bitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool hasAlpha_ = false;
};

// Decodes a picture file held in memory; empty when it cannot be decoded.
Picture DecodePicture(const void* data, size_t size);

// The picture the layout names (an RCDATA resource of the executable); empty
// when the resource is missing or cannot be decoded.
Picture LoadPicture(PictureId id);

// An icon made from the layout's ICO picture at the given size (the closest
// image of the file, scaled); nullptr when it cannot be made. Caller destroys it.
HICON LoadIconPicture(PictureId id, int width, int height);

}  // namespace tamsu
