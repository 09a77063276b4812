#include "ui/controls/label.h"

#include "ui/control_model.h"
#include "ui/cp936_conversion.h"
#include "ui/font_factory.h"
#include "ui/pictures.h"

namespace tamsu {
namespace {
constexpr wchar_t kClassName[] = L"TamsuLabel";
}

Label::Label(const ControlLayout& layout, ControlModel& model) : Control(layout, model), text_(layout.label.text) {}

Label::~Label() {
    if (font_) DeleteObject(font_);
}

bool Label::Create(HWND parent) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Label::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) return false;
    if (layout_.label.hasFont) font_ = CreateLayoutFont(layout_.label.font);
    background_ = LoadPicture(layout_.label.backPicture);
    const DWORD ex = transparent() ? WS_EX_TRANSPARENT : 0;
    HWND hwnd = CreateWindowExW(ex, kClassName, Cp936ToWide(text_).c_str(), WS_CHILD | WS_CLIPSIBLINGS, layout_.x,
                                layout_.y, layout_.width, layout_.height, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    return true;
}

std::string Label::GetText(int prop) {
    if (prop == label_prop::Text) return text_;
    return Control::GetText(prop);
}

void Label::SetText(int prop, const std::string& value) {
    if (prop != label_prop::Text) {
        Control::SetText(prop, value);
        return;
    }
    text_ = value;
    SetWindowTextW(hwnd_, Cp936ToWide(value).c_str());
    // The old text must disappear: the window's background under a
    // transparent label is painted again before the new text.
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

void Label::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    // A transparent label has no background of its own: the window's shows
    // through. A plain one without its picture shows the window's as well.
    if (transparent() || !background_ || background_.hasAlpha()) model_.PaintWindowBackground(dc, hwnd_, client);
    if (!transparent()) background_.Tile(dc, client, 0, 0);
    if (text_.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(layout_.label.textColor));
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring text = Cp936ToWide(text_);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK Label::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<Label*>(FromWindow(hwnd));
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (self) self->Paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace tamsu
