#include "document/print_job.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "document/print_layout.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/objects.h"
#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

const char kJobName[] = "未命名打印作业";
const char kProgressCaption[] = "正在进行打印，请稍候 ......";

// Child ids of the progress window; the button is the dialog's cancel.
enum : int { kJobNameId = 100, kDestinationId, kCopyId, kPageId };
constexpr UINT_PTR kPageTimer = 1;

struct PrinterSettings {
    std::wstring driverName, deviceName, portName;
    std::vector<uint8_t> devMode;
};

struct PrintJob {
    HDC dc = nullptr;
    HFONT font = nullptr;
    HGDIOBJ oldFont = nullptr;
    HWND progress = nullptr;
    HWND formerFocus = nullptr;
    std::vector<std::pair<HWND, bool>> disabled;  // window, enabled before
    std::wstring text;
    size_t pos = 0;  // where the next line starts
    int page = 0;
    bool pageOpen = false;
    int width = 1;
    int lineHeight = 1;
    int linesPerPage = 1;
};

enum class Ending { Completed, Aborted, ProgramEnds };

class PrinterState : public PrinterObject::State {
public:
    ~PrinterState() override;
    bool hasSettings = false;  // false: the system's default printer
    PrinterSettings settings;
    std::unique_ptr<PrintJob> job;
};

void EndJob(PrinterState& state, Ending how, bool windowGoing = false);

PrinterState* StateOf(App& app) {
    auto* printer = dynamic_cast<PrinterObject*>(app.ui.Find(ControlId::打印机1));
    if (!printer) return nullptr;
    if (!printer->printState) printer->printState = std::make_unique<PrinterState>();
    return static_cast<PrinterState*>(printer->printState.get());
}

PrinterState::~PrinterState() { EndJob(*this, Ending::ProgramEnds); }

// ---- Printer settings -------------------------------------------------------

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0) return {};
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) return {};
    name.resize(wcslen(name.c_str()));
    return name;
}

void MakePortraitOneCopy(std::vector<uint8_t>& devMode) {
    if (devMode.size() < sizeof(DEVMODEW)) return;
    auto* mode = reinterpret_cast<DEVMODEW*>(devMode.data());
    mode->dmOrientation = DMORIENT_PORTRAIT;
    mode->dmCopies = 1;
    mode->dmFields |= DM_ORIENTATION | DM_COPIES;
}

// The printer's settings, starting from `start` when given, with portrait and
// one copy written through the driver (DocumentProperties).
bool DriverSettings(const std::wstring& device, const std::vector<uint8_t>& start, PrinterSettings& out) {
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(device.c_str()), &printer, nullptr)) return false;
    bool ok = false;
    auto* name = const_cast<wchar_t*>(device.c_str());
    const LONG size = DocumentPropertiesW(nullptr, printer, name, nullptr, nullptr, 0);
    if (size >= static_cast<LONG>(sizeof(DEVMODEW))) {
        std::vector<uint8_t> current(static_cast<size_t>(size));
        std::vector<uint8_t> input = start;
        const bool hasInput = input.size() >= sizeof(DEVMODEW);
        auto* in = hasInput ? reinterpret_cast<DEVMODEW*>(input.data()) : nullptr;
        if (DocumentPropertiesW(nullptr, printer, name, reinterpret_cast<DEVMODEW*>(current.data()), in,
                                DM_OUT_BUFFER | (in ? DM_IN_BUFFER : 0)) == IDOK) {
            MakePortraitOneCopy(current);
            out.devMode.assign(static_cast<size_t>(size), 0);
            ok = DocumentPropertiesW(nullptr, printer, name, reinterpret_cast<DEVMODEW*>(out.devMode.data()),
                                     reinterpret_cast<DEVMODEW*>(current.data()),
                                     DM_IN_BUFFER | DM_OUT_BUFFER) == IDOK;
        }
    }
    if (ok && out.portName.empty()) {
        DWORD needed = 0;
        GetPrinterW(printer, 2, nullptr, 0, &needed);
        std::vector<uint8_t> info(needed);
        if (needed && GetPrinterW(printer, 2, info.data(), needed, &needed)) {
            const auto* pi = reinterpret_cast<const PRINTER_INFO_2W*>(info.data());
            if (pi->pPortName) out.portName = pi->pPortName;
        }
    }
    ClosePrinter(printer);
    return ok;
}

// The program's current printer settings: the last confirmed printer, or the
// system's default one until the user has confirmed any.
PrintDialogValues CurrentSettings(const PrinterState& state) {
    PrintDialogValues v;
    PrinterSettings s;
    if (state.hasSettings) {
        s = state.settings;
    } else {
        s.deviceName = DefaultPrinterName();
        s.driverName = L"winspool";
    }
    if (s.deviceName.empty()) return v;  // no printer: the dialog tells the user
    if (!DriverSettings(s.deviceName, s.devMode, s)) MakePortraitOneCopy(s.devMode);
    v.driverName = s.driverName;
    v.deviceName = s.deviceName;
    v.portName = s.portName;
    v.devMode = std::move(s.devMode);
    return v;
}

// ---- Pages ------------------------------------------------------------------

// The editor's font at the printer's resolution, upright.
HFONT CreatePrinterFont(App& app, HDC printer) {
    LOGFONTW lf{};
    HFONT shown = nullptr;
    if (auto* box = dynamic_cast<EditBox*>(app.ui.Find(ControlId::编辑框1))) shown = box->font();
    if (!shown || GetObjectW(shown, sizeof lf, &lf) != sizeof lf)
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    HDC screen = GetDC(nullptr);
    const int screenX = std::max(GetDeviceCaps(screen, LOGPIXELSX), 1);
    const int screenY = std::max(GetDeviceCaps(screen, LOGPIXELSY), 1);
    ReleaseDC(nullptr, screen);
    lf.lfHeight = MulDiv(lf.lfHeight, GetDeviceCaps(printer, LOGPIXELSY), screenY);
    lf.lfWidth = MulDiv(lf.lfWidth, GetDeviceCaps(printer, LOGPIXELSX), screenX);
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    return CreateFontIndirectW(&lf);
}

void SetPageNumber(PrintJob& job) {
    if (job.progress) SetDlgItemTextW(job.progress, kPageId, std::to_wstring(job.page).c_str());
}

bool StartNextPage(PrintJob& job) {
    if (StartPage(job.dc) <= 0) return false;
    job.pageOpen = true;
    ++job.page;
    SetPageNumber(job);
    return true;
}

// Draws the open page's lines and hands the page to the printer.
bool FinishPage(PrintJob& job) {
    HDC dc = job.dc;
    SelectObject(dc, job.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const std::wstring& text = job.text;
    const LineFit fit = [&](size_t start, size_t end) -> size_t {
        int fits = 0;
        SIZE extent{};
        if (!GetTextExtentExPointW(dc, text.data() + start, static_cast<int>(end - start), job.width, &fits,
                                   nullptr, &extent))
            return end - start;
        return static_cast<size_t>(std::max(fits, 0));
    };
    const size_t maxUnits = static_cast<size_t>(job.width) + 1;
    for (int line = 0; line < job.linesPerPage && job.pos < text.size(); ++line) {
        const PrintLine l = NextPrintLine(text, job.pos, maxUnits, fit);
        if (l.length) TextOutW(dc, 0, line * job.lineHeight, text.data() + l.start, static_cast<int>(l.length));
        job.pos = l.next;
    }
    job.pageOpen = false;
    return EndPage(dc) > 0;
}

// ---- The job's windows ---------------------------------------------------------

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    auto* job = reinterpret_cast<PrintJob*>(lp);
    if (hwnd != job->progress && IsWindowVisible(hwnd)) job->disabled.emplace_back(hwnd, IsWindowEnabled(hwnd) != FALSE);
    return TRUE;
}

void DisableProgramWindows(PrintJob& job) {
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&job));
    for (const auto& [hwnd, enabled] : job.disabled)
        if (enabled) EnableWindow(hwnd, FALSE);
}

void RestoreProgramWindows(PrintJob& job) {
    for (const auto& [hwnd, enabled] : job.disabled)
        if (IsWindow(hwnd)) EnableWindow(hwnd, enabled ? TRUE : FALSE);
    job.disabled.clear();
}

void OnPageTimer(PrinterState& state) {
    PrintJob& job = *state.job;
    if (!FinishPage(job)) return EndJob(state, Ending::Aborted);
    if (job.pos >= job.text.size()) return EndJob(state, Ending::Completed);
    if (!StartNextPage(job)) EndJob(state, Ending::Aborted);
}

INT_PTR CALLBACK ProgressProc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
    auto* state = reinterpret_cast<PrinterState*>(GetWindowLongPtrW(dlg, DWLP_USER));
    if (!state || !state->job || state->job->progress != dlg) return FALSE;
    switch (msg) {
        case WM_TIMER:
            if (wp == kPageTimer) OnPageTimer(*state);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDCANCEL) EndJob(*state, Ending::Aborted);
            return TRUE;
        case WM_DESTROY:
            // Taken down with its owner: the program is ending.
            EndJob(*state, Ending::ProgramEnds, true);
            return TRUE;
    }
    return FALSE;
}

// The program's message loop has no dialog manager for this window, so the
// button itself takes Enter and Esc to stop the job.
LRESULT CALLBACK StopButtonProc(HWND button, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_KEYDOWN && (wp == VK_RETURN || wp == VK_ESCAPE)) {
        SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(button, StopButtonProc, 1);
    return DefSubclassProc(button, msg, wp, lp);
}

void PutWord(std::vector<WORD>& t, WORD w) { t.push_back(w); }
void PutDword(std::vector<WORD>& t, DWORD d) {
    t.push_back(LOWORD(d));
    t.push_back(HIWORD(d));
}
void PutText(std::vector<WORD>& t, const std::wstring& s) {
    for (wchar_t c : s) t.push_back(static_cast<WORD>(c));
    t.push_back(0);
}

struct ProgressItem {
    const char* text;  // nullptr: filled in by the job
    int id;
    int x, y, cx, cy;
    DWORD style;
};

HWND CreateProgressWindow(HWND owner, PrinterState& state, const std::wstring& destination) {
    constexpr int kWidth = 200, kHeight = 104;
    std::vector<WORD> t;
    PutDword(t, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT);
    PutDword(t, 0);
    PutWord(t, 0);  // items: added below as windows
    PutWord(t, 0);
    PutWord(t, 0);
    PutWord(t, kWidth);
    PutWord(t, kHeight);
    PutWord(t, 0);  // no menu
    PutWord(t, 0);  // dialog class
    PutText(t, Cp936ToWide(kProgressCaption));
    PutWord(t, 9);
    PutText(t, Cp936ToWide("宋体"));
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND dlg = CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(t.data()), owner,
                                          ProgressProc, 0);
    if (!dlg) return nullptr;

    const std::wstring jobName = Cp936ToWide(kJobName);
    const ProgressItem items[] = {
        {"打印作业名：", -1, 12, 10, 56, 10, SS_LEFT},
        {nullptr, kJobNameId, 70, 10, 120, 10, SS_LEFT | SS_NOPREFIX},
        {"打印目的：", -1, 12, 24, 56, 10, SS_LEFT},
        {nullptr, kDestinationId, 8, 36, 184, 10, SS_CENTER | SS_NOPREFIX | SS_PATHELLIPSIS},
        {"已打印份数：", -1, 12, 50, 56, 10, SS_LEFT},
        {"1", kCopyId, 70, 50, 120, 10, SS_LEFT},
        {"当前页号：", -1, 12, 62, 56, 10, SS_LEFT},
        {"1", kPageId, 70, 62, 120, 10, SS_LEFT},
    };
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0));
    auto add = [&](const wchar_t* cls, const std::wstring& text, int id, RECT r, DWORD style) {
        MapDialogRect(dlg, &r);
        HWND child = CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                     r.right - r.left, r.bottom - r.top, dlg,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return child;
    };
    for (const ProgressItem& item : items) {
        std::wstring text = item.text ? Cp936ToWide(item.text) : std::wstring();
        if (item.id == kJobNameId) text = jobName;
        if (item.id == kDestinationId) text = destination;
        add(L"STATIC", text, item.id, {item.x, item.y, item.x + item.cx, item.y + item.cy}, item.style);
    }
    HWND button = add(L"BUTTON", Cp936ToWide("中止打印"), IDCANCEL, {70, 80, 130, 94},
                      WS_TABSTOP | BS_DEFPUSHBUTTON);
    if (button) SetWindowSubclass(button, StopButtonProc, 1, 0);

    // Centred over its owner.
    RECT ownerRect{}, own{};
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(dlg, &own);
    const int w = own.right - own.left, h = own.bottom - own.top;
    SetWindowPos(dlg, nullptr, ownerRect.left + (ownerRect.right - ownerRect.left - w) / 2,
                 ownerRect.top + (ownerRect.bottom - ownerRect.top - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongPtrW(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    ShowWindow(dlg, SW_SHOW);
    if (button) SetFocus(button);
    return dlg;
}

void ReleaseDevice(PrintJob& job) {
    if (job.oldFont) SelectObject(job.dc, job.oldFont);
    if (job.font) DeleteObject(job.font);
    if (job.dc) DeleteDC(job.dc);
    job.font = nullptr;
    job.dc = nullptr;
}

// Closes the progress window and gives the program's windows back, the
// owner first so that it takes the activation, and the focus where it was.
void CloseProgress(PrintJob& job, bool windowGoing) {
    HWND progress = job.progress;
    job.progress = nullptr;
    if (progress) {
        KillTimer(progress, kPageTimer);
        SetWindowLongPtrW(progress, DWLP_USER, 0);
    }
    RestoreProgramWindows(job);
    if (windowGoing) return;
    if (progress) DestroyWindow(progress);
    if (job.formerFocus && IsWindow(job.formerFocus) && IsWindowEnabled(job.formerFocus)) SetFocus(job.formerFocus);
}

// windowGoing: the progress window is being destroyed already (with its owner).
void EndJob(PrinterState& state, Ending how, bool windowGoing) {
    std::unique_ptr<PrintJob> job = std::move(state.job);
    if (!job) return;
    bool ok = how != Ending::Aborted;
    if (how == Ending::ProgramEnds) {
        // Nobody stopped the job: the rest of the document still goes out.
        while (ok && (job->pageOpen || job->pos < job->text.size())) {
            if (!job->pageOpen && !StartNextPage(*job)) ok = false;
            if (ok && !FinishPage(*job)) ok = false;
        }
    }
    if (ok) {
        if (job->pageOpen) EndPage(job->dc);
        EndDoc(job->dc);
    } else {
        AbortDoc(job->dc);
    }
    ReleaseDevice(*job);
    CloseProgress(*job, windowGoing);
}

}  // namespace

bool BeginPrinting(App& app) {
    PrinterState* state = StateOf(app);
    if (!state || state->job) return false;

    HWND owner = app.ui.mainWindow();
    PrintDialogValues chosen = CurrentSettings(*state);
    chosen.owner = reinterpret_cast<uintptr_t>(owner);
    chosen.flags = PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!app.services.ShowPrintDialog(chosen)) return false;
    state->hasSettings = true;
    state->settings = {chosen.driverName, chosen.deviceName, chosen.portName, chosen.devMode};

    const bool devModeUsable = chosen.devMode.size() >= sizeof(DEVMODEW);
    auto job = std::make_unique<PrintJob>();
    job->dc = CreateDCW(chosen.driverName.empty() ? L"WINSPOOL" : chosen.driverName.c_str(),
                        chosen.deviceName.c_str(), nullptr,
                        devModeUsable ? reinterpret_cast<const DEVMODEW*>(chosen.devMode.data()) : nullptr);
    if (!job->dc) return false;

    std::wstring destination = chosen.deviceName + Cp936ToWide(" 上的 ") + chosen.portName;
    std::wstring outputFile;
    if (chosen.flags & PD_PRINTTOFILE) {
        FileDialogRequest request;
        request.save = true;
        request.title = "打印到文件";
        request.fileName = "Output.prn";
        request.filterList = std::string("打印输出文件 (*.prn)") + '\0' + "*.prn" + '\0' + "所有文件 (*.*)" + '\0' +
                             "*.*" + '\0' + '\0';
        request.filterIndex = 1;
        request.defaultExt = "prn";
        request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
        std::string path;
        if (!app.services.ShowFileDialog(request, path) || path.empty()) {
            ReleaseDevice(*job);
            return false;
        }
        outputFile = Cp936ToWide(path);
        const size_t slash = outputFile.find_last_of(L"\\/");
        destination = slash == std::wstring::npos ? outputFile : outputFile.substr(slash + 1);
    }

    // The page: the printable area, the editor's font, the lines it holds.
    job->width = std::max(GetDeviceCaps(job->dc, HORZRES), 1);
    const int height = std::max(GetDeviceCaps(job->dc, VERTRES), 1);
    SetMapMode(job->dc, MM_TEXT);
    job->font = CreatePrinterFont(app, job->dc);
    job->oldFont = SelectObject(job->dc, job->font ? job->font : GetStockObject(DEVICE_DEFAULT_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(job->dc, &tm);
    job->lineHeight = std::max<int>(tm.tmHeight + tm.tmExternalLeading, 1);
    job->linesPerPage = std::max(height / job->lineHeight, 1);
    job->text = ExpandTabs(Cp936ToWide(app.ui.GetText(ControlId::编辑框1, edit_prop::Text)));

    state->job = std::move(job);
    PrintJob& open = *state->job;
    open.formerFocus = GetFocus();
    open.progress = CreateProgressWindow(owner, *state, destination);
    if (!open.progress) {
        ReleaseDevice(open);
        state->job.reset();
        return false;
    }
    DisableProgramWindows(open);

    const std::wstring jobName = Cp936ToWide(kJobName);
    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = jobName.c_str();
    doc.lpszOutput = outputFile.empty() ? nullptr : outputFile.c_str();
    if (StartDocW(open.dc, &doc) <= 0) {
        std::unique_ptr<PrintJob> failed = std::move(state->job);
        ReleaseDevice(*failed);
        CloseProgress(*failed, false);
        return false;
    }
    if (!StartNextPage(open)) {
        EndJob(*state, Ending::Aborted);
        return false;
    }
    SetTimer(open.progress, kPageTimer, USER_TIMER_MINIMUM, nullptr);
    return true;
}

HWND PrintProgressWindow(App& app) {
    PrinterState* state = StateOf(app);
    return state && state->job ? state->job->progress : nullptr;
}

}  // namespace tamsu
