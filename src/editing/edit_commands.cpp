#include "editing/edit_commands.h"

#include <windows.h>

#include <algorithm>

#include "editing/text_functions.h"
#include "ui/cp936_conversion.h"

// commdlg.h names a function FindText too.
#undef FindText

namespace tamsu {
namespace {

constexpr ControlId kBox = ControlId::编辑框1;

bool HasSelection(App& app) {
    DWORD start = 0, end = 0;
    app.ui.SendControlMessage(kBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start != end;
}

// The selection as the edit control holds it, in UTF-16.
std::wstring WideSelection(App& app) {
    HWND box = app.ui.Window(kBox);
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const int n = GetWindowTextLengthW(box);
    std::wstring text(static_cast<size_t>(n > 0 ? n : 0) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(box, text.data(), n + 1), 0)));
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::max(start, std::min<DWORD>(end, static_cast<DWORD>(text.size())));
    return text.substr(start, end - start);
}

void ConvertSelection(App& app, std::string (*convert)(std::string_view), wchar_t first, wchar_t last,
                      int shift) {
    if (HasSelection(app)) {
        const std::wstring wide = WideSelection(app);
        if (FitsCp936(wide)) {
            app.ui.SetText(kBox, edit_prop::SelText, convert(app.ui.GetText(kBox, edit_prop::SelText)));
        } else {
            // Characters that code page 936 cannot hold (pasted from elsewhere)
            // would come back as '?': change the letters in place instead.
            std::wstring converted = wide;
            for (wchar_t& c : converted)
                if (c >= first && c <= last) c = static_cast<wchar_t>(c + shift);
            app.ui.SendControlMessage(kBox, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(converted.c_str()));
        }
    }
    app.ui.FocusControl(kBox);
}

}  // namespace

void SelectAllCommand(App& app) {
    app.ui.SetInt(kBox, edit_prop::SelLength, -1);
    app.ui.FocusControl(kBox);
}

// Cuts the box's own selection by message, wherever the focus is: a pressed
// Delete key would go to whatever window has the focus then.
void CutCommand(App& app) {
    if (!HasSelection(app)) return;
    app.ui.SendControlMessage(kBox, WM_CUT, 0, 0);
}

void CopyCommand(App& app) { app.ui.SendControlMessage(kBox, WM_COPY, 0, 0); }

void PasteCommand(App& app) { app.ui.SendControlMessage(kBox, WM_PASTE, 0, 0); }

void ToUpperCaseCommand(App& app) { ConvertSelection(app, ToUpperCase, L'a', L'z', -0x20); }

void ToLowerCaseCommand(App& app) { ConvertSelection(app, ToLowerCase, L'A', L'Z', 0x20); }

void FindCommand(App& app) {
    if (!app.services.AskForText("请输入欲查找的文本", "查找文本", app.searchText, app.searchText)) return;
    const int position = FindText(app.ui.GetText(kBox, edit_prop::Text), app.searchText);
    if (position < 0) {
        app.services.ShowMessage("没有找到指定文件", "", 0);
        return;
    }
    app.ui.FocusControl(kBox);
    app.ui.SetInt(kBox, edit_prop::SelStart, position - 1);
    app.ui.SetInt(kBox, edit_prop::SelLength, static_cast<int>(app.searchText.size()));
}

void OpenSelectedAddressCommand(App& app) {
    if (app.ui.GetInt(kBox, edit_prop::SelLength) <= 0) return;
    app.services.OpenAddress(app.ui.GetText(kBox, edit_prop::SelText));
    app.ui.FocusControl(kBox);
}

}  // namespace tamsu
