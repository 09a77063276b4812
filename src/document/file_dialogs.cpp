#include "document/file_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lp) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if (IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER) && !(style & WS_POPUP)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The dialogs belong to the editor's window, so it takes no input while one is
// open: a command cannot start again, nor the window close, under a dialog.
HWND DialogOwner() {
    if (HWND active = GetActiveWindow()) return active;
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMainWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The longest path Windows knows, in UTF-16 units with the NUL.
constexpr size_t kLongestPath = 32768;

const wchar_t* OrNull(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

}  // namespace

bool RunFileDialog(const FileDialogRequest& request, std::string& chosenPath) {
    // The chosen path comes back through the name buffer. It holds the longest
    // path the system knows: with a MAX_PATH buffer a longer choice would come
    // back as a silent failure, looking like Cancel, while the file layer takes
    // paths of any length. The start name is already cut to its 259 bytes.
    std::vector<wchar_t> name(kLongestPath, L'\0');
    const std::wstring start = Cp936ToWide(request.fileName);
    std::copy_n(start.begin(), std::min<size_t>(start.size(), name.size() - 1), name.begin());
    const std::wstring filter = Cp936ToWide(request.filterList);  // keeps the NULs between entries
    const std::wstring title = Cp936ToWide(request.title);
    const std::wstring initialDir = Cp936ToWide(request.initialDir);
    const std::wstring defaultExt = Cp936ToWide(request.defaultExt);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = DialogOwner();
    ofn.lpstrFilter = OrNull(filter);
    ofn.nFilterIndex = filter.empty() ? 0 : static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = OrNull(initialDir);
    ofn.lpstrTitle = OrNull(title);
    ofn.lpstrDefExt = OrNull(defaultExt);
    ofn.Flags = request.flags;
    const BOOL ok = request.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!ok) return false;
    chosenPath = WideToCp936(name.data());
    return true;
}

bool RunFontDialog(FontDialogValues& values) {
    LOGFONTW lf{};
    lf.lfHeight = values.height;
    lf.lfWeight = values.weight;
    lf.lfItalic = values.italic;
    lf.lfUnderline = values.underline;
    lf.lfStrikeOut = values.strikeOut;
    const std::wstring face = Cp936ToWide(values.faceName);
    std::copy_n(face.begin(), std::min<size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);

    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = DialogOwner();
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = values.color;
    if (!ChooseFontW(&cf)) return false;
    values.height = lf.lfHeight;
    values.weight = lf.lfWeight;
    values.italic = lf.lfItalic != 0;
    values.underline = lf.lfUnderline != 0;
    values.strikeOut = lf.lfStrikeOut != 0;
    values.faceName = WideToCp936(lf.lfFaceName);
    values.color = cf.rgbColors;
    return true;
}

}  // namespace tamsu
