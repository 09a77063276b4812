#include "ui/controls/buttons.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/control_model.h"
#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

constexpr wchar_t kImageButtonClass[] = L"TamsuImageButton";
constexpr int kTooltipMaxWidth = 400;

bool CommonControlsReady() {
    static const bool ready = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    return ready;
}

void FillColour(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void FrameColour(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace

// ------------------------------------------------------------ picture push button

PicturePushButton::~PicturePushButton() {
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

bool PicturePushButton::Create(HWND parent) {
    CommonControlsReady();
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_OWNERDRAW;
    if (layout_.takesFocus) style |= WS_TABSTOP;
    picture_ = LoadPicture(layout_.button.picture);
    HWND hwnd = CreateWindowExW(0, L"BUTTON", L"", style, layout_.x, layout_.y, layout_.width, layout_.height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    buttonProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PicturePushButton::SubclassProc)));

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_) {
        std::wstring tip = Cp936ToWide(layout_.button.tooltip);
        TOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = parent;
        ti.uId = reinterpret_cast<UINT_PTR>(hwnd);
        ti.lpszText = tip.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kTooltipMaxWidth);
    }
    return true;
}

void PicturePushButton::OnCommand(int code) {
    if (code == BN_CLICKED) model_.RaiseEvent(id(), EventKind::Clicked);
}

// The two stored pictures (normal and pressed) are one image; hot has none of
// its own. Normal stands on the first stored colour, hot and pressed on the
// second, pressed with the picture one pixel down and right in a dark frame.
bool PicturePushButton::OnDrawItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_BUTTON) return false;
    HDC dc = draw.hDC;
    const RECT r = draw.rcItem;
    const bool pressed = (draw.itemState & ODS_SELECTED) != 0;
    const auto& colours = layout_.button;
    FillColour(dc, r, static_cast<COLORREF>((pressed || hot_) ? colours.backColor2 : colours.backColor1));
    const int shift = pressed ? 1 : 0;
    picture_.Draw(dc, r.left + shift, r.top + shift);
    if (pressed) {
        FrameColour(dc, r, static_cast<COLORREF>(colours.textColor));
    } else if (hot_) {
        RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        FrameColour(dc, inner, static_cast<COLORREF>(colours.backColor2));
    }
    if ((draw.itemState & ODS_FOCUS) && !(draw.itemState & ODS_NOFOCUSRECT)) {
        RECT focus{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
    return true;
}

LRESULT CALLBACK PicturePushButton::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<PicturePushButton*>(FromWindow(hwnd));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_MOUSEMOVE:
            if (!self->hot_) {
                self->hot_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
                TrackMouseEvent(&track);
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            self->hot_ = false;
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_LBUTTONDBLCLK:
            // An owner-drawn button reports a double click instead of a second
            // click; a push button presses again.
            msg = WM_LBUTTONDOWN;
            break;
        default:
            break;
    }
    return CallWindowProcW(self->buttonProc_, hwnd, msg, wp, lp);
}

// ------------------------------------------------------------------ image button

bool ImageButton::Create(HWND parent) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ImageButton::WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kImageButtonClass;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) return false;
    normal_ = LoadPicture(layout_.image.normal);
    hot_ = LoadPicture(layout_.image.hot);
    HWND hwnd = CreateWindowExW(0, kImageButtonClass, L"", WS_CHILD | WS_CLIPSIBLINGS, layout_.x, layout_.y,
                                layout_.width, layout_.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    return true;
}

bool ImageButton::PointerInside(LPARAM lp) const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&r, p) != FALSE;
}

void ImageButton::SetState(State s) {
    if (s == state_) return;
    state_ = s;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// Only pictures: the window's background where they leave room, the hot
// picture while hot or pressed when there is one, and, pressed having no
// picture of its own, that picture one pixel down and right.
void ImageButton::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    model_.PaintWindowBackground(dc, hwnd_, client);
    const Picture& picture = (state_ != State::Normal && hot_) ? hot_ : normal_;
    const int shift = state_ == State::Pressed ? 1 : 0;
    picture.Draw(dc, shift, shift);
}

LRESULT ImageButton::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Paint(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_MOUSEMOVE: {
            const bool held = (wp & MK_LBUTTON) != 0;
            if (PointerInside(lp)) {
                // Moving onto the button captures the mouse until it leaves.
                if (GetCapture() != hwnd_) SetCapture(hwnd_);
                SetState(held ? (pressBegan_ ? State::Pressed : State::Normal) : State::Hot);
            } else if (held && pressBegan_) {
                SetState(State::Normal);  // keeps the capture: the press may come back
            } else if (GetCapture() == hwnd_) {
                ReleaseCapture();
            } else {
                SetState(State::Normal);
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (GetCapture() != hwnd_) SetCapture(hwnd_);
            pressBegan_ = true;
            SetState(State::Pressed);
            return 0;
        case WM_LBUTTONUP: {
            const bool click = pressBegan_ && PointerInside(lp);
            pressBegan_ = false;
            if (GetCapture() == hwnd_) ReleaseCapture();
            SetState(State::Normal);
            if (click) model_.RaiseEvent(id(), EventKind::Clicked);
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressBegan_ = false;
            SetState(State::Normal);
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

LRESULT CALLBACK ImageButton::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<ImageButton*>(FromWindow(hwnd));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

}  // namespace tamsu
