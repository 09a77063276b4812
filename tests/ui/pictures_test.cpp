#include "ui/pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "recording_window.h"
#include "resources/resource_ids.h"

namespace tamsu::test {
namespace {

std::string ResourceBytes(PictureId id) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));
    if (!found) return {};
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return std::string(data, SizeofResource(nullptr, found));
}

// Colour of one pixel of a decoded picture, as RGB.
COLORREF PixelOf(const Picture& picture, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture.bitmap());
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

bool Near(COLORREF a, COLORREF b, int tolerance = 6) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(Pictures, EveryPictureOfTheLayoutDecodesInItsOwnSize) {
    struct Case {
        PictureId id;
        int width, height;
    } cases[] = {
        {IDP_BACKGROUND, 660, 460},   {IDP_ICON48, 48, 48},          {IDP_ICON16, 16, 16},
        {IDP_BAND, 160, 22},          {IDP_WORD_FILE, 33, 20},       {IDP_WORD_EDIT, 33, 20},
        {IDP_WORD_TOOLS, 33, 20},     {IDP_FOLD_NORMAL, 15, 19},     {IDP_FOLD_HOT, 16, 21},
        {IDP_UNFOLD_NORMAL, 16, 18},  {IDP_UNFOLD_HOT, 18, 18},      {IDP_RESTORE, 26, 17},
        {IDP_MINIMIZE_NORMAL, 29, 17}, {IDP_MINIMIZE_HOT, 29, 17},   {IDP_CLOSE_NORMAL, 42, 17},
        {IDP_CLOSE_HOT, 42, 17},
    };
    std::set<PictureId> covered;
    for (const auto& c : cases) {
        const Picture p = LoadPicture(c.id);
        ASSERT_TRUE(p) << c.id;
        EXPECT_EQ(p.width(), c.width) << c.id;
        EXPECT_EQ(p.height(), c.height) << c.id;
        EXPECT_FALSE(p.hasAlpha()) << c.id << ": every picture is opaque";
        covered.insert(c.id);
    }
    // No picture the layout names is left out of the table above.
    const auto& layout = MainWindowLayout();
    std::set<PictureId> named{layout.window.backPicture, layout.window.icon};
    for (const auto& c : layout.controls)
        for (PictureId id : {c.label.backPicture, c.button.picture, c.image.normal, c.image.hot})
            if (id != kNoPicture) named.insert(id);
    for (PictureId id : named) EXPECT_TRUE(covered.count(id)) << id;
    EXPECT_FALSE(LoadPicture(kNoPicture));
    EXPECT_FALSE(LoadPicture(9999));
}

TEST(Pictures, DecodedColoursAreTheDrawnOnes) {
    // The darkest red of the band, on rows 14 to 16, and white from row 54.
    const Picture background = LoadPicture(IDP_BACKGROUND);
    for (int y : {14, 15, 16}) EXPECT_EQ(PixelOf(background, 330, y), RGB(248, 12, 34)) << y;
    EXPECT_EQ(PixelOf(background, 10, 54), RGB(255, 255, 255));
    EXPECT_EQ(PixelOf(background, 600, 459), RGB(255, 255, 255));
    // A JPEG through libjpeg, right way up: blue in the middle of the triangle
    // pointing down, strip red above it.
    const Picture fold = LoadPicture(IDP_FOLD_NORMAL);
    const COLORREF middle = PixelOf(fold, 7, 8);
    EXPECT_GT(GetBValue(middle), 150);
    EXPECT_LT(GetRValue(middle), 100);
    EXPECT_GT(GetRValue(PixelOf(fold, 7, 1)), 200);
    // A BMP and a GIF through the platform.
    EXPECT_TRUE(Near(PixelOf(LoadPicture(IDP_CLOSE_HOT), 21, 8), RGB(255, 255, 255), 40));
    EXPECT_EQ(PixelOf(LoadPicture(IDP_WORD_FILE), 2, 10), RGB(236, 233, 216));
    // The small butterfly: pale blue corner.
    const COLORREF corner = PixelOf(LoadPicture(IDP_ICON16), 0, 0);
    EXPECT_GT(GetBValue(corner), 220);
    EXPECT_GT(GetBValue(corner), GetRValue(corner));
}

TEST(Pictures, DamagedFilesDecodeToNothingAndFailNothing) {
    const std::string jpeg = ResourceBytes(IDP_FOLD_NORMAL);
    const std::string gif = ResourceBytes(IDP_BAND);
    const std::string bmp = ResourceBytes(IDP_RESTORE);
    ASSERT_GT(jpeg.size(), 200u);
    ASSERT_GT(gif.size(), 200u);
    ASSERT_TRUE(DecodePicture(jpeg.data(), jpeg.size()));
    ASSERT_TRUE(DecodePicture(gif.data(), gif.size()));

    std::string garbledJpeg = jpeg;
    for (size_t i = 20; i < garbledJpeg.size(); ++i) garbledJpeg[i] = static_cast<char>(i * 37);
    std::string zeroWidthJpeg = jpeg;
    const size_t frame = zeroWidthJpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    zeroWidthJpeg[frame + 7] = zeroWidthJpeg[frame + 8] = 0;  // width 0
    std::string garbledGif = gif;
    for (size_t i = 13; i < garbledGif.size(); ++i) garbledGif[i] = static_cast<char>(0xA5 ^ i);

    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"JPEG cut in half", jpeg.substr(0, jpeg.size() / 2)},
        {"JPEG with its data garbled", garbledJpeg},
        {"JPEG of width 0", zeroWidthJpeg},
        {"JPEG start marker alone", jpeg.substr(0, 3)},
        {"GIF cut after its header", gif.substr(0, 20)},
        {"GIF with its data garbled", garbledGif},
        {"BMP cut inside its headers", bmp.substr(0, 30)},
        {"no known format", std::string("not a picture at all")},
        {"empty", std::string()},
    };
    for (const auto& c : cases) EXPECT_FALSE(DecodePicture(c.bytes.data(), c.bytes.size())) << c.what;
}

TEST(Pictures, ControlsWithoutTheirPicturesAreCreatedAndPaint) {
    WindowLayout layout = MainWindowLayout();
    layout.window.backPicture = 9999;
    layout.window.icon = 9999;
    for (auto& c : layout.controls) {
        if (c.label.backPicture) c.label.backPicture = 9999;
        if (c.button.picture) c.button.picture = 9999;
        if (c.image.normal) c.image.normal = 9999;
        if (c.image.hot) c.image.hot = 9999;
    }
    RecordingWindow w(layout);
    HWND main = w.ui.mainWindow();
    ASSERT_TRUE(IsWindowVisible(main));
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
    // The buttons still work.
    SendMessageW(w.ui.Window(ControlId::超级按钮1), BM_CLICK, 0, 0);
    EXPECT_EQ(w.Count(ControlId::超级按钮1, EventKind::Clicked), 1);
}

// Draws an icon onto white and reads it back.
struct IconImage {
    int size = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y * size + x)]; }
};

IconImage Render(HICON icon, int size) {
    IconImage image;
    image.size = size;
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, canvas);
    RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) image.pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    return image;
}

TEST(WindowIcon, BigAndSmallIconsAreTheButterfly) {
    RecordingWindow w;
    struct Case {
        WPARAM kind;
        int size;
    } cases[] = {{ICON_BIG, GetSystemMetrics(SM_CXICON)}, {ICON_SMALL, GetSystemMetrics(SM_CXSMICON)}};
    for (const auto& c : cases) {
        auto icon = reinterpret_cast<HICON>(SendMessageW(w.ui.mainWindow(), WM_GETICON, c.kind, 0));
        ASSERT_NE(icon, nullptr) << c.kind;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bm{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, c.size);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);

        const IconImage image = Render(icon, c.size);
        for (COLORREF corner : {image.at(0, 0), image.at(c.size - 1, c.size - 1)}) {
            EXPECT_GT(GetBValue(corner), 200) << c.kind << ": pale blue, not the white behind";
            EXPECT_LT(GetRValue(corner), 250) << c.kind;
        }
        int lilac = 0;
        for (COLORREF p : image.pixels)
            lilac += GetRValue(p) > 150 && GetBValue(p) > 190 && GetGValue(p) + 25 < GetRValue(p);
        EXPECT_GT(lilac, c.size * c.size / 10) << c.kind;
    }
    EXPECT_EQ(GetWindowTextLengthW(w.ui.mainWindow()), 0);
}

}  // namespace
}  // namespace tamsu::test
