#include "ui/window_behaviour.h"

#include <algorithm>

namespace tamsu {
namespace {

// The system moves the window with the mouse as if its caption had been grabbed.
void StartDrag(HWND main, const MSG& press) {
    PostMessageW(main, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(press.pt.x, press.pt.y));
}

void MoveFocus(const ControlModel& ui, bool backwards) {
    const std::vector<HWND> order = TabOrder(ui);
    if (order.empty()) return;
    const auto at = std::find(order.begin(), order.end(), GetFocus());
    size_t next;
    if (at == order.end()) {
        next = backwards ? order.size() - 1 : 0;
    } else {
        const size_t i = static_cast<size_t>(at - order.begin());
        next = backwards ? (i + order.size() - 1) % order.size() : (i + 1) % order.size();
    }
    SetFocus(order[next]);
}

}  // namespace

std::vector<HWND> TabOrder(const ControlModel& ui) {
    std::vector<HWND> order;
    const auto& controls = ui.layout().controls;
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if (!it->takesFocus) continue;
        HWND hwnd = ui.Window(it->id);
        if (hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) order.push_back(hwnd);
    }
    return order;
}

bool PreTranslateWindowMessage(App& app, MSG& msg) {
    HWND main = app.ui.mainWindow();
    if (!main || !msg.hwnd || (msg.hwnd != main && !IsChild(main, msg.hwnd))) return false;
    switch (msg.message) {
        case WM_LBUTTONDOWN: {
            if (msg.hwnd == main) {
                StartDrag(main, msg);
                return false;  // the press itself goes on
            }
            // A plain label drags the window instead of taking the press;
            // transparent labels and every other control keep theirs.
            const Control* control = app.ui.FromWindow(msg.hwnd);
            if (control && control->kind() == ControlKind::Label) {
                StartDrag(main, msg);
                return true;
            }
            return false;
        }
        case WM_KEYDOWN:
            // No control wants Tab: it moves the focus and never reaches the
            // document as a tab character. Enter, Esc and F1 go on to the
            // control; the window itself does nothing with them.
            if (msg.wParam == VK_TAB) {
                MoveFocus(app.ui, GetKeyState(VK_SHIFT) < 0);
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace tamsu
