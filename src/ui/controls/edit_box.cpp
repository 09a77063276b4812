#include "ui/controls/edit_box.h"

#include <algorithm>
#include <climits>

#include "ui/control_model.h"
#include "ui/cp936_conversion.h"
#include "ui/cp936_offsets.h"
#include "ui/font_factory.h"

namespace tamsu {
namespace {

std::wstring WindowTextOf(HWND hwnd) {
    const int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(std::max(n, 0)) + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

// The first `units` units of the window's text (all of it when shorter): an
// offset near the start of a long document needs no copy of the rest.
std::wstring WindowTextPrefix(HWND hwnd, size_t units) {
    const size_t n = std::min(static_cast<size_t>(std::max(GetWindowTextLengthW(hwnd), 0)), units);
    std::wstring text(n + 1, L'\0');
    const int got = GetWindowTextW(hwnd, text.data(), static_cast<int>(n + 1));
    text.resize(static_cast<size_t>(std::max(got, 0)));
    return text;
}

size_t ConvertPiece(std::wstring_view piece, std::string* out) {
    if (!out) return Cp936Length(piece);
    WideToCp936(piece, *out);
    return out->size();
}

size_t ByteLength(std::wstring_view text) { return Cp936ByteLength(text, ConvertPiece); }

}  // namespace

EditBox::EditBox(const ControlLayout& layout, ControlModel& model)
    : Control(layout, model),
      textColor_(layout.edit.textColor),
      backColor_(layout.edit.backColor),
      borderStyle_(std::clamp(layout.edit.borderStyle, 0, 5)),
      hideSelection_(layout.edit.hideSelection),
      maxLength_(std::max(layout.edit.maxLength, 0)),
      multiLine_(layout.edit.multiLine),
      scrollBars_(std::clamp(layout.edit.scrollBars, 0, 3)) {}

EditBox::~EditBox() {
    if (ownsFont_ && font_) DeleteObject(font_);
    if (backBrush_) DeleteObject(backBrush_);
}

DWORD EditBox::Style() const {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (layout_.takesFocus) style |= WS_TABSTOP;
    if (multiLine_) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (scrollBars_ == 1 || scrollBars_ == 3) style |= ES_AUTOHSCROLL;
        if (scrollBars_ & 1) style |= WS_HSCROLL;
        if (scrollBars_ & 2) style |= WS_VSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (!hideSelection_) style |= ES_NOHIDESEL;
    return style;
}

DWORD EditBox::ExStyle() const {
    switch (borderStyle_) {
        case 1: return WS_EX_CLIENTEDGE;
        case 2: return WS_EX_DLGMODALFRAME;
        case 3: return WS_EX_STATICEDGE;
        case 4: return WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
        default: return 0;
    }
}

HWND EditBox::CreateEditWindow(HWND parent, HWND insertAfter) {
    DWORD style = Style();
    if (borderStyle_ == 5) style |= WS_BORDER;
    HWND hwnd = CreateWindowExW(ExStyle(), L"EDIT", L"", style, layout_.x, layout_.y, layout_.width,
                                layout_.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    if (insertAfter) SetWindowPos(hwnd, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // MaxLength 0 means the system's maximum; without this Wine stops typing at 30000 characters.
    SendMessageW(hwnd, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    Attach(hwnd);
    editProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditBox::SubclassProc)));
    if (font_) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return hwnd;
}

bool EditBox::Create(HWND parent) {
    if (layout_.edit.hasFont) {
        ReplaceFont(CreateLayoutFont(layout_.edit.font), true);
    } else {
        ReplaceFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
    }
    return CreateEditWindow(parent, nullptr) != nullptr;
}

LRESULT CALLBACK EditBox::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<EditBox*>(FromWindow(hwnd));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    // The editor's own pop-up menu replaces the box's built-in one.
    if (msg == WM_CONTEXTMENU) return 0;
    return CallWindowProcW(self->editProc_, hwnd, msg, wp, lp);
}

void EditBox::ReplaceFont(HFONT font, bool owned) {
    HFONT old = font_;
    const bool oldOwned = ownsFont_;
    font_ = font;
    ownsFont_ = owned;
    if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (oldOwned && old) DeleteObject(old);
}

void EditBox::SetWindowTextSilently(const std::wstring& text) {
    ++silent_;
    SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    --silent_;
}

// A write of Text lays the whole text out in the window, which for a long
// document takes longer than anything else the editor does. When the
// text-changed event that follows the write switches the scroll bar, the box is
// rebuilt and lays the text out once more. So the written text waits outside the
// window while its event runs: Text and the text length are answered from it,
// a rebuild gives it straight to the new window, and anything else that needs
// the window's content puts it there first. After the event it goes into the
// window if it is still waiting. Either way the window holds it exactly once.
void EditBox::FlushPendingText() {
    if (!textPending_) return;
    textPending_ = false;
    const std::wstring text = std::move(pendingText_);
    pendingText_.clear();
    SetWindowTextSilently(text);
}

LRESULT EditBox::Send(UINT message, WPARAM wp, LPARAM lp) {
    if (textPending_ && message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(pendingText_.size());
    FlushPendingText();
    return SendMessageW(hwnd_, message, wp, lp);
}

void EditBox::OnCommand(int code) {
    if (code == EN_CHANGE && silent_ == 0) model_.RaiseEvent(id(), EventKind::TextChanged);
}

HBRUSH EditBox::OnCtlColor(HDC dc) {
    SetTextColor(dc, static_cast<COLORREF>(textColor_));
    SetBkColor(dc, static_cast<COLORREF>(backColor_));
    if (!backBrush_) backBrush_ = CreateSolidBrush(static_cast<COLORREF>(backColor_));
    return backBrush_;
}

int EditBox::GetInt(int prop) {
    switch (prop) {
        case edit_prop::TextColor: return textColor_;
        case edit_prop::BackColor: return backColor_;
        case edit_prop::BorderStyle: return borderStyle_;
        case edit_prop::MaxLength: return maxLength_;
        case edit_prop::ScrollBars: return scrollBars_;
        case edit_prop::SelStart:
        case edit_prop::SelLength: {
            FlushPendingText();
            DWORD start = 0, end = 0;
            SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            // Only the text before the selection's end is read and converted.
            const std::wstring text = WindowTextPrefix(hwnd_, std::max(start, end));
            const std::wstring_view view(text);
            const size_t s = ByteLength(view.substr(0, std::min<size_t>(start, view.size())));
            if (prop == edit_prop::SelStart) return static_cast<int>(std::min<size_t>(s, INT_MAX));
            const size_t length = end > start ? ByteLength(view.substr(std::min<size_t>(start, view.size()))) : 0;
            return static_cast<int>(std::min<size_t>(length, INT_MAX));
        }
        default: return Control::GetInt(prop);
    }
}

void EditBox::SetInt(int prop, int value) {
    switch (prop) {
        case edit_prop::TextColor:
        case edit_prop::BackColor:
            (prop == edit_prop::TextColor ? textColor_ : backColor_) = value;
            if (backBrush_) DeleteObject(backBrush_);
            backBrush_ = nullptr;
            InvalidateRect(hwnd_, nullptr, TRUE);
            return;
        case edit_prop::MaxLength:
            FlushPendingText();
            maxLength_ = std::max(value, 0);
            SendMessageW(hwnd_, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
            return;
        case edit_prop::ScrollBars: {
            const int v = std::clamp(value, 0, 3);
            if (v == scrollBars_) return;
            scrollBars_ = v;
            if (multiLine_) Rebuild();
            return;
        }
        case edit_prop::SelStart:
            if (value == -1) {
                storedSelStart_ = static_cast<int>(std::min<size_t>(TextByteLength(), INT_MAX));
                storedSelLength_ = 0;
            } else {
                storedSelStart_ = std::max(value, 0);
            }
            ApplySelection();
            return;
        case edit_prop::SelLength:
            if (value == -1) {
                storedSelStart_ = 0;
                storedSelLength_ = static_cast<int>(std::min<size_t>(TextByteLength(), INT_MAX));
            } else {
                storedSelLength_ = std::max(value, 0);
            }
            ApplySelection();
            return;
        default:
            Control::SetInt(prop, value);
    }
}

size_t EditBox::TextByteLength() {
    if (textPending_) return ByteLength(pendingText_);
    return ByteLength(WindowTextOf(hwnd_));
}

// Maps the stored byte offsets to the control's units reading and converting
// only the text before the selection's end, piece by piece: a selection in a
// long document makes no CP936 copy of all of it.
void EditBox::ApplySelection() {
    FlushPendingText();
    const size_t start = static_cast<size_t>(storedSelStart_);
    const long long last = static_cast<long long>(storedSelStart_) + storedSelLength_;
    const size_t end = static_cast<size_t>(std::min<long long>(last, INT_MAX));
    // Every character takes a byte at least, so the characters that start
    // before `end` lie in its first end + 1 units, unless surrogate pairs
    // converted to fewer bytes than units: then the whole text is read.
    std::wstring text = WindowTextPrefix(hwnd_, end + 1);
    Cp936Place from = Cp936PlaceAtByte(std::wstring_view(text), start, ConvertPiece);
    Cp936Place to = Cp936PlaceAtByte(std::wstring_view(text), end, ConvertPiece, from);
    if (text.size() == end + 1 && to.units + 1 >= text.size()) {
        text = WindowTextOf(hwnd_);
        from = Cp936PlaceAtByte(std::wstring_view(text), start, ConvertPiece);
        to = Cp936PlaceAtByte(std::wstring_view(text), end, ConvertPiece, from);
    }
    SendMessageW(hwnd_, EM_SETSEL, from.units, static_cast<LPARAM>(to.units));
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

bool EditBox::GetBool(int prop) {
    switch (prop) {
        case edit_prop::HideSelection: return hideSelection_;
        case edit_prop::MultiLine: return multiLine_;
        default: return Control::GetBool(prop);
    }
}

void EditBox::SetBool(int prop, bool value) { Control::SetBool(prop, value); }

std::string EditBox::GetText(int prop) {
    switch (prop) {
        case edit_prop::Text:
            return WideToCp936(textPending_ ? pendingText_ : WindowTextOf(hwnd_));
        case edit_prop::SelText: {
            FlushPendingText();
            DWORD start = 0, end = 0;
            SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            const std::wstring text = WindowTextOf(hwnd_);
            start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
            end = std::clamp<DWORD>(end, start, static_cast<DWORD>(text.size()));
            return WideToCp936(std::wstring_view(text).substr(start, end - start));
        }
        default: return Control::GetText(prop);
    }
}

void EditBox::SetText(int prop, const std::string& value) {
    switch (prop) {
        case edit_prop::Text:
            pendingText_ = Cp936ToWide(value);
            textPending_ = true;
            model_.RaiseEvent(id(), EventKind::TextChanged);
            FlushPendingText();
            return;
        case edit_prop::SelText: {
            FlushPendingText();
            const std::wstring text = Cp936ToWide(value);
            SendMessageW(hwnd_, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text.c_str()));
            return;
        }
        default: Control::SetText(prop, value);
    }
}

FontRecord EditBox::GetFont(int prop) {
    if (prop == edit_prop::Font) return fontRecord_;
    return Control::GetFont(prop);
}

void EditBox::SetFont(int prop, const FontRecord& value) {
    if (prop != edit_prop::Font) return;
    fontRecord_ = value;
    hasFontRecord_ = true;
    ReplaceFont(CreateRecordFont(value), true);
}

// A new ScrollBars value needs a new window (an edit control does not pick up a
// changed scroll-bar style). Nothing of the user's may be lost on the way: text,
// modified flag, caret, selection, scroll position and focus all move over.
void EditBox::Rebuild() {
    HWND old = hwnd_;
    HWND parent = GetParent(old);
    // A text still waiting from a Text write goes to the new window only, which
    // then starts as a written text does: unmodified, caret and view at the top.
    const bool written = textPending_;
    const std::wstring text = written ? std::move(pendingText_) : WindowTextOf(old);
    textPending_ = false;
    pendingText_.clear();
    const bool hadFocus = GetFocus() == old;
    const bool modified = !written && SendMessageW(old, EM_GETMODIFY, 0, 0) != 0;
    const bool visible = IsWindowVisible(old) != FALSE;
    const bool enabled = IsWindowEnabled(old) != FALSE;
    DWORD start = 0, end = 0;
    LRESULT firstChar = 0;
    if (!written) {
        SendMessageW(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const LRESULT firstLine = SendMessageW(old, EM_GETFIRSTVISIBLELINE, 0, 0);
        firstChar = SendMessageW(old, EM_LINEINDEX, static_cast<WPARAM>(firstLine), 0);
    }

    SetWindowLongPtrW(old, GWLP_USERDATA, 0);
    HWND fresh = CreateEditWindow(parent, old);
    if (!fresh) {
        Attach(old);  // keep working with the old window rather than lose the text
        if (written) SetWindowTextSilently(text);
        return;
    }
    EnableWindow(fresh, enabled);
    SetWindowTextSilently(text);
    if (!written) {
        SendMessageW(fresh, EM_SETMODIFY, modified ? TRUE : FALSE, 0);
        SendMessageW(fresh, EM_SETSEL, start, static_cast<LPARAM>(end));
        const LRESULT newFirstLine = SendMessageW(fresh, EM_LINEFROMCHAR, static_cast<WPARAM>(firstChar), 0);
        const LRESULT nowFirst = SendMessageW(fresh, EM_GETFIRSTVISIBLELINE, 0, 0);
        SendMessageW(fresh, EM_LINESCROLL, 0, newFirstLine - nowFirst);
    }
    if (visible) ShowWindow(fresh, SW_SHOWNA);
    if (hadFocus) SetFocus(fresh);
    DestroyWindow(old);
}

}  // namespace tamsu
