#include "editing/input_dialog.h"

#include <windows.h>

#include <vector>

#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

// An in-memory dialog template (DLGTEMPLATE followed by its items).
class TemplateWriter {
public:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const std::wstring& s) {
        for (wchar_t c : s) Word(static_cast<WORD>(c));
        Word(0);
    }
    void AlignToDword() {
        if (words_.size() % 2) Word(0);
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom) {
        AlignToDword();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word(static_cast<WORD>(x));
        Word(static_cast<WORD>(y));
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Word(0);  // no text: set when the dialog starts
        Word(0);  // no creation data
    }
    const DLGTEMPLATE* data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

struct DialogState {
    std::wstring prompt;
    std::wstring title;
    std::wstring initial;
    std::string* result;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<DialogState*>(lp);
            SetWindowLongPtrW(dialog, DWLP_USER, lp);
            if (!state->title.empty()) SetWindowTextW(dialog, state->title.c_str());
            SetDlgItemTextW(dialog, kInputDialogPromptId, state->prompt.c_str());
            SetDlgItemTextW(dialog, IDOK, Cp936ToWide("确认输入(&O)").c_str());
            SetDlgItemTextW(dialog, IDCANCEL, Cp936ToWide("取消(&C)").c_str());
            HWND field = GetDlgItem(dialog, kInputDialogFieldId);
            SetWindowTextW(field, state->initial.c_str());
            SendMessageW(field, EM_SETSEL, 0, -1);
            SendMessageW(field, EM_SCROLLCARET, 0, 0);
            return TRUE;  // the field, the first control that takes the focus, gets it
        }
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK) {
                auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
                HWND field = GetDlgItem(dialog, kInputDialogFieldId);
                const int n = GetWindowTextLengthW(field);
                std::wstring text(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
                const int got = GetWindowTextW(field, text.data(), n + 1);
                text.resize(static_cast<size_t>(got > 0 ? got : 0));
                *state->result = WideToCp936(text);
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wp) == IDCANCEL) {  // the button, Esc, Alt+C and the close box
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool RunInputDialog(const std::string& prompt, const std::string& title, const std::string& initial,
                    std::string& result) {
    TemplateWriter t;
    t.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT);
    t.Dword(0);
    t.Word(4);  // items
    t.Word(0);
    t.Word(0);
    t.Word(200);
    t.Word(82);
    t.Word(0);  // no menu
    t.Word(0);  // the standard dialog class
    t.Text(Cp936ToWide("请输入："));
    t.Word(9);
    t.Text(Cp936ToWide("宋体"));
    t.Item(SS_LEFT | SS_SUNKEN, 7, 7, 186, 28, kInputDialogPromptId, kStaticClass);
    t.Item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 41, 186, 13, kInputDialogFieldId, kEditClass);
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 36, 61, 60, 15, IDOK, kButtonClass);
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 104, 61, 60, 15, IDCANCEL, kButtonClass);

    std::string answer;
    DialogState state{Cp936ToWide(prompt), Cp936ToWide(title), Cp936ToWide(initial), &answer};
    const INT_PTR outcome = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.data(), GetActiveWindow(),
                                                    DialogProc, reinterpret_cast<LPARAM>(&state));
    if (outcome != IDOK) return false;
    result = answer;
    return true;
}

}  // namespace tamsu
