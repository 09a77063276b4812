#include "ui/font_factory.h"

#include <algorithm>

#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

void CopyFace(LOGFONTW& lf, const std::string& face) {
    const std::wstring wide = Cp936ToWide(face);
    const size_t n = std::min(wide.size(), static_cast<size_t>(LF_FACESIZE - 1));
    std::copy_n(wide.begin(), n, lf.lfFaceName);
    lf.lfFaceName[n] = L'\0';
}

int ScreenDpiY() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

}  // namespace

HFONT CreateLayoutFont(const LayoutFont& font) {
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = static_cast<BYTE>(font.charSet);
    lf.lfOutPrecision = static_cast<BYTE>(font.outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(font.clipPrecision);
    lf.lfQuality = static_cast<BYTE>(font.quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(font.pitchAndFamily);
    CopyFace(lf, font.faceName);
    return CreateFontIndirectW(&lf);
}

LOGFONTW RecordToLogFont(const FontRecord& record) {
    LOGFONTW lf{};
    lf.lfEscapement = record.angle;
    lf.lfOrientation = record.angle;
    lf.lfWeight = record.bold ? FW_BOLD : 0;
    lf.lfItalic = record.italic;
    lf.lfUnderline = record.underline;
    lf.lfStrikeOut = record.strikeOut;
    const int size = std::max(record.size, 0);
    lf.lfHeight = size == 0 ? 0 : -MulDiv(size, ScreenDpiY(), 72);
    const bool faceFits = !record.faceName.empty() && record.faceName.size() <= 31;
    CopyFace(lf, faceFits ? record.faceName : std::string("宋体"));
    return lf;
}

HFONT CreateRecordFont(const FontRecord& record) {
    const LOGFONTW lf = RecordToLogFont(record);
    return CreateFontIndirectW(&lf);
}

}  // namespace tamsu
