#include "ui/pictures.h"

#include <wincodec.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <utility>

#include <jpeglib.h>

namespace tamsu {
namespace {

// A picture larger than this is taken for a damaged header, not drawn.
constexpr int kMaxSide = 8192;

// A 32-bit top-down DIB section; bits receives its pixels.
HBITMAP CreateCanvas(int width, int height, uint8_t*& bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<uint8_t*>(pixels);
    return bits ? bitmap : nullptr;
}

// AlphaBlend wants premultiplied colours; says whether any pixel is not opaque.
bool PremultiplyIfTranslucent(uint8_t* bits, size_t pixels) {
    bool translucent = false;
    for (size_t i = 0; i < pixels && !translucent; ++i) translucent = bits[i * 4 + 3] != 255;
    if (!translucent) return false;
    for (size_t i = 0; i < pixels; ++i) {
        uint8_t* p = bits + i * 4;
        for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>((p[c] * p[3] + 127) / 255);
    }
    return true;
}

// ---------------------------------------------------------------- JPEG

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

[[noreturn]] void LeaveJpeg(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->escape, 1); }

void QuietJpeg(j_common_ptr) {}

// Only plain C state lives across setjmp here, so the jump skips no destructor.
Picture DecodeJpeg(const uint8_t* data, size_t size) {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = LeaveJpeg;
    errors.manager.output_message = QuietJpeg;
    HBITMAP volatile bitmap = nullptr;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        if (bitmap) DeleteObject(bitmap);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<uint8_t*>(data), static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width == 0 || info.image_height == 0 ||
        info.image_width > kMaxSide || info.image_height > kMaxSide) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    uint8_t* bits = nullptr;
    bitmap = CreateCanvas(width, height, bits);
    if (!bitmap) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + static_cast<size_t>(info.output_scanline) * static_cast<size_t>(width) * 4;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
    }
    // A stream that ends early or holds damaged data only gives warnings;
    // such a picture is incomplete and counts as not decoded.
    const bool complete = info.output_scanline == info.output_height;
    if (complete) jpeg_finish_decompress(&info);
    const long warnings = errors.manager.num_warnings;
    jpeg_destroy_decompress(&info);
    if (!complete || warnings != 0) {
        DeleteObject(bitmap);
        return {};
    }
    return Picture(bitmap, width, height, false);
}

// ---------------------------------------------------------- GIF, BMP, ICO

template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p_) p_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return p_; }
    T** put() { return &p_; }
    T* get() const { return p_; }

private:
    T* p_ = nullptr;
};

Picture DecodeWithCodecs(const uint8_t* data, size_t size) {
    if (size > 0xFFFFFFFFu) return {};
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.put()))))
        return {};
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateStream(stream.put())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) || FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)))
        return {};
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return {};
    uint8_t* bits = nullptr;
    HBITMAP bitmap = CreateCanvas(static_cast<int>(width), static_cast<int>(height), bits);
    if (!bitmap) return {};
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, bits))) {
        DeleteObject(bitmap);
        return {};
    }
    const bool alpha = PremultiplyIfTranslucent(bits, static_cast<size_t>(width) * height);
    return Picture(bitmap, static_cast<int>(width), static_cast<int>(height), alpha);
}

// The codecs are COM objects: make sure COM is there while they work.
Picture DecodeWithPlatform(const uint8_t* data, size_t size) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Picture picture = DecodeWithCodecs(data, size);
    if (SUCCEEDED(init)) CoUninitialize();
    return picture;
}

bool IsJpeg(const uint8_t* data, size_t size) { return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF; }

bool FindResourceBytes(PictureId id, const uint8_t*& data, size_t& size) {
    if (id == kNoPicture) return false;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) return false;
    HGLOBAL loaded = LoadResource(module, found);
    data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    size = SizeofResource(module, found);
    return data && size > 0;
}

uint16_t Word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Dword(const uint8_t* p) { return Word(p) | static_cast<uint32_t>(Word(p + 2)) << 16; }

}  // namespace

Picture::Picture(HBITMAP bitmap, int width, int height, bool hasAlpha)
    : bitmap_(bitmap), width_(width), height_(height), hasAlpha_(hasAlpha) {}

Picture::~Picture() {
    if (bitmap_) DeleteObject(bitmap_);
}

Picture::Picture(Picture&& other) noexcept { *this = std::move(other); }

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = std::exchange(other.bitmap_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        hasAlpha_ = std::exchange(other.hasAlpha_, false);
    }
    return *this;
}

void Picture::Draw(HDC dc, int x, int y) const {
    if (!bitmap_) return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bitmap_);
    if (hasAlpha_) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, width_, height_, mem, 0, 0, width_, height_, blend);
    } else {
        BitBlt(dc, x, y, width_, height_, mem, 0, 0, SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
}

void Picture::Tile(HDC dc, const RECT& area, int ox, int oy) const {
    if (!bitmap_ || width_ <= 0 || height_ <= 0) return;
    // The first copy that reaches into the area, wherever the origin lies.
    auto first = [](int start, int origin, int step) {
        int offset = (start - origin) % step;
        if (offset < 0) offset += step;
        return start - offset;
    };
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    for (int y = first(area.top, oy, height_); y < area.bottom; y += height_)
        for (int x = first(area.left, ox, width_); x < area.right; x += width_) Draw(dc, x, y);
    RestoreDC(dc, saved);
}

Picture DecodePicture(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (!bytes || size == 0) return {};
    if (IsJpeg(bytes, size)) return DecodeJpeg(bytes, size);
    return DecodeWithPlatform(bytes, size);
}

Picture LoadPicture(PictureId id) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!FindResourceBytes(id, data, size)) return {};
    return DecodePicture(data, size);
}

HICON LoadIconPicture(PictureId id, int width, int height) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!FindResourceBytes(id, data, size) || size < 6 || Word(data) != 0 || Word(data + 2) != 1) return nullptr;
    const size_t count = Word(data + 4);
    if (count == 0 || 6 + count * 16 > size) return nullptr;
    // The image nearest in size, the deeper one when two are equally near.
    size_t best = count;
    int bestDistance = 0, bestDepth = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + 6 + i * 16;
        const int w = entry[0] ? entry[0] : 256;
        const int h = entry[1] ? entry[1] : 256;
        const int depth = Word(entry + 6);
        const int distance = std::abs(w - width) + std::abs(h - height);
        const uint32_t bytes = Dword(entry + 8), offset = Dword(entry + 12);
        if (offset > size || bytes > size - offset || bytes == 0) continue;
        if (best == count || distance < bestDistance || (distance == bestDistance && depth > bestDepth)) {
            best = i;
            bestDistance = distance;
            bestDepth = depth;
        }
    }
    if (best == count) return nullptr;
    const uint8_t* entry = data + 6 + best * 16;
    return CreateIconFromResourceEx(const_cast<uint8_t*>(data + Dword(entry + 12)), Dword(entry + 8), TRUE, 0x00030000,
                                    width, height, LR_DEFAULTCOLOR);
}

}  // namespace tamsu
