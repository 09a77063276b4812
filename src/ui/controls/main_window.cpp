#include "ui/controls/main_window.h"

#include <algorithm>

#include "ui/control_model.h"
#include "ui/cp936_conversion.h"
#include "ui/menu_style.h"

namespace tamsu {
namespace {

constexpr wchar_t kClassName[] = L"TamsuNotepadWindow";

bool RegisterMainClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window once its Control is attached
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

POINT CentredOrigin(int width, int height) {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

}  // namespace

MainWindowControl::MainWindowControl(const ControlLayout& layout, ControlModel& model)
    : Control(layout, model), windowState_(model.layout().window.windowState) {}

MainWindowControl::~MainWindowControl() {
    if (bigIcon_) DestroyIcon(bigIcon_);
    if (smallIcon_) DestroyIcon(smallIcon_);
}

bool MainWindowControl::Create(HWND) {
    if (!RegisterMainClass()) return false;
    const auto& settings = model_.layout().window;
    const POINT at = CentredOrigin(settings.width, settings.height);
    // WS_POPUP: a top-level window without caption, border or frame (an
    // overlapped window would get a caption forced on it).
    HWND hwnd = CreateWindowExW(0, kClassName, L"", WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX, at.x, at.y,
                                settings.width, settings.height, nullptr, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    if (!hwnd) return false;
    Attach(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindowControl::WindowProc));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    background_ = LoadPicture(settings.backPicture);
    // Big and small icon from the layout's icon picture; without one the
    // window keeps the class's (none).
    bigIcon_ = LoadIconPicture(settings.icon, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    smallIcon_ = LoadIconPicture(settings.icon, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    if (bigIcon_) SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    if (smallIcon_) SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    return true;
}

int MainWindowControl::GetInt(int prop) {
    if (prop == window_prop::WindowState) return windowState_;
    return Control::GetInt(prop);
}

void MainWindowControl::SetInt(int prop, int value) {
    if (prop != window_prop::WindowState) {
        Control::SetInt(prop, value);
        return;
    }
    windowState_ = std::clamp(value, 0, 3);
    // Stored always; acts only while the window is visible.
    if (!IsWindowVisible(hwnd_)) return;
    switch (windowState_) {
        case 0: ShowWindow(hwnd_, SW_SHOWNORMAL); break;
        case 1: {
            if (IsIconic(hwnd_) || IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
            RECT r{};
            GetWindowRect(hwnd_, &r);
            const POINT at = CentredOrigin(r.right - r.left, r.bottom - r.top);
            if (r.left != at.x || r.top != at.y)
                SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case 2: ShowWindow(hwnd_, SW_MINIMIZE); break;
        case 3: ShowWindow(hwnd_, SW_MAXIMIZE); break;
    }
}

std::string MainWindowControl::GetText(int prop) {
    if (prop != window_prop::Caption) return Control::GetText(prop);
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd_, text.data(), n + 1);
    text.resize(static_cast<size_t>(n));
    return WideToCp936(text);
}

void MainWindowControl::SetText(int prop, const std::string& value) {
    if (prop == window_prop::Caption) {
        SetWindowTextW(hwnd_, Cp936ToWide(value).c_str());
        return;
    }
    Control::SetText(prop, value);
}

void MainWindowControl::PaintBackground(HDC dc, HWND child, const RECT& area) {
    POINT origin{0, 0};
    if (child && child != hwnd_) MapWindowPoints(child, hwnd_, &origin, 1);
    HBRUSH back = CreateSolidBrush(static_cast<COLORREF>(model_.layout().window.backColor));
    FillRect(dc, &area, back);
    DeleteObject(back);
    // Tiled from the window's top-left corner: child coordinates shift the origin.
    background_.Tile(dc, area, -origin.x, -origin.y);
}

LRESULT MainWindowControl::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            PaintBackground(dc, hwnd_, ps.rcPaint);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_COMMAND: {
            if (lp == 0 && HIWORD(wp) == 0) {
                if (const auto entry = MenuEntryOfCommand(model_.layout().menu, LOWORD(wp)))
                    model_.RaiseMenuCommand(*entry);
                return 0;
            }
            if (Control* child = model_.FromWindow(reinterpret_cast<HWND>(lp))) child->OnCommand(HIWORD(wp));
            return 0;
        }
        case WM_MEASUREITEM: {
            auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (measure.CtlType == ODT_MENU && MeasureMenuItem(hwnd_, measure)) return TRUE;
            return DefWindowProcW(hwnd_, msg, wp, lp);
        }
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (draw.CtlType == ODT_MENU) {
                const ControlLayout* style = FindControl(model_.layout(), ControlId::超级菜单1);
                if (style && DrawMenuItem(style->menuStyle, draw)) return TRUE;
            } else if (Control* child = model_.FromWindow(draw.hwndItem)) {
                if (child->OnDrawItem(draw)) return TRUE;
            }
            return DefWindowProcW(hwnd_, msg, wp, lp);
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (Control* child = model_.FromWindow(reinterpret_cast<HWND>(lp))) {
                if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wp))) return reinterpret_cast<LRESULT>(brush);
            }
            return DefWindowProcW(hwnd_, msg, wp, lp);
        case kDestroyRequestMessage:
            DestroyWindow(hwnd_);
            return 0;
        case WM_CLOSE:
        case WM_QUERYENDSESSION:
            if (!model_.QueryClose()) return msg == WM_QUERYENDSESSION ? FALSE : 0;
            if (msg == WM_QUERYENDSESSION) return TRUE;
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            model_.MainWindowDestroyed();
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

LRESULT CALLBACK MainWindowControl::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<MainWindowControl*>(FromWindow(hwnd));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

}  // namespace tamsu
