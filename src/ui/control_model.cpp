#include "ui/control_model.h"

#include "ui/controls/buttons.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/label.h"
#include "ui/controls/link.h"
#include "ui/controls/main_window.h"
#include "ui/controls/objects.h"
#include "ui/controls/timer_control.h"

namespace tamsu {
namespace {

ControlLayout MainLayout(const WindowLayout& layout) {
    ControlLayout l{};
    l.id = ControlId::MainWindow;
    l.kind = ControlKind::MainWindow;
    l.name = "";
    l.width = layout.window.width;
    l.height = layout.window.height;
    l.events = layout.windowEvents;
    return l;
}

bool IsDrawn(ControlKind kind) {
    return kind != ControlKind::CommonDialog && kind != ControlKind::Printer && kind != ControlKind::MenuStyle &&
           kind != ControlKind::Timer;
}

}  // namespace

ControlModel::ControlModel(const WindowLayout& layout, EventSink& events)
    : layout_(layout), events_(events), mainLayout_(MainLayout(layout)) {}

ControlModel::~ControlModel() {
    // Controls go before their windows' parent, which may still exist in tests.
    controls_.clear();
    if (main_ && main_->hwnd() && IsWindow(main_->hwnd())) DestroyWindow(main_->hwnd());
}

std::unique_ptr<Control> ControlModel::MakeControl(const ControlLayout& l) {
    switch (l.kind) {
        case ControlKind::EditBox: return std::make_unique<EditBox>(l, *this);
        case ControlKind::Label:
        case ControlKind::TransparentLabel: return std::make_unique<Label>(l, *this);
        case ControlKind::PicturePushButton: return std::make_unique<PicturePushButton>(l, *this);
        case ControlKind::ImageButton: return std::make_unique<ImageButton>(l, *this);
        case ControlKind::Link: return std::make_unique<Link>(l, *this);
        case ControlKind::Timer: return std::make_unique<TimerControl>(l, *this);
        case ControlKind::CommonDialog: return std::make_unique<CommonDialogObject>(l, *this);
        case ControlKind::Printer: return std::make_unique<PrinterObject>(l, *this);
        case ControlKind::MenuStyle: return std::make_unique<MenuStyleObject>(l, *this);
        case ControlKind::MainWindow: break;
    }
    return nullptr;
}

bool ControlModel::Create(std::string& failure) {
    if (layout_.controls.empty()) {
        failure = "窗口布局无法读取";
        return false;
    }
    main_ = std::make_unique<MainWindowControl>(mainLayout_, *this);
    if (!main_->Create(nullptr)) {
        failure = "无法创建主窗口";
        return false;
    }
    HWND parent = main_->hwnd();
    controls_.resize(layout_.controls.size());
    for (size_t i = layout_.controls.size(); i-- > 0;) {
        const ControlLayout& l = layout_.controls[i];
        controls_[i] = MakeControl(l);
        if (!controls_[i] || !controls_[i]->Create(parent)) {
            failure = std::string("无法创建控件：") + l.name;
            return false;
        }
    }
    // Stack in layout order, the first on top.
    HWND above = HWND_TOP;
    for (auto& c : controls_) {
        if (!c->hwnd()) continue;
        SetWindowPos(c->hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = c->hwnd();
    }
    for (auto& c : controls_) {
        if (!c->hwnd()) continue;
        ShowWindow(c->hwnd(), (c->layout().visible && IsDrawn(c->kind())) ? SW_SHOWNA : SW_HIDE);
    }
    return true;
}

HWND ControlModel::mainWindow() const { return main_ ? main_->hwnd() : nullptr; }

Control* ControlModel::Find(ControlId id) const {
    if (id == ControlId::MainWindow) return main_.get();
    for (const auto& c : controls_)
        if (c && c->id() == id) return c.get();
    return nullptr;
}

HWND ControlModel::Window(ControlId id) const {
    Control* c = Find(id);
    return c ? c->hwnd() : nullptr;
}

Control* ControlModel::FromWindow(HWND hwnd) const {
    if (!hwnd) return nullptr;
    if (main_ && main_->hwnd() == hwnd) return main_.get();
    for (const auto& c : controls_)
        if (c && c->hwnd() == hwnd) return c.get();
    return nullptr;
}

int ControlModel::GetInt(ControlId id, int prop) { return Find(id)->GetInt(prop); }
void ControlModel::SetInt(ControlId id, int prop, int value) { Find(id)->SetInt(prop, value); }
bool ControlModel::GetBool(ControlId id, int prop) { return Find(id)->GetBool(prop); }
void ControlModel::SetBool(ControlId id, int prop, bool value) { Find(id)->SetBool(prop, value); }
std::string ControlModel::GetText(ControlId id, int prop) { return Find(id)->GetText(prop); }
void ControlModel::SetText(ControlId id, int prop, const std::string& value) { Find(id)->SetText(prop, value); }
FontRecord ControlModel::GetFont(ControlId id, int prop) { return Find(id)->GetFont(prop); }
void ControlModel::SetFont(ControlId id, int prop, const FontRecord& value) { Find(id)->SetFont(prop, value); }

void ControlModel::FocusControl(ControlId id) { SetFocus(Window(id)); }

LRESULT ControlModel::SendControlMessage(ControlId id, UINT message, WPARAM wp, LPARAM lp) {
    Control* c = Find(id);
    return c ? c->Send(message, wp, lp) : 0;
}

int ControlModel::MouseX() const {
    POINT p{};
    GetCursorPos(&p);
    return p.x;
}

int ControlModel::MouseY() const {
    POINT p{};
    GetCursorPos(&p);
    return p.y;
}

void ControlModel::MainWindowDestroyed() { events_.MainWindowDestroyed(); }

void ControlModel::PaintWindowBackground(HDC dc, HWND child, const RECT& area) {
    if (main_) main_->PaintBackground(dc, child, area);
}

}  // namespace tamsu
