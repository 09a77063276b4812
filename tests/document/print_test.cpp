#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "document/print_command.h"
#include "document/print_job.h"
#include "document/test_printer.h"
#include "support/test_window.h"
#include "ui/cp936_conversion.h"

namespace tamsu::test {
namespace {

const wchar_t kPrinter[] = L"Tamsu Test Printer";
constexpr uint32_t kDialogFlags = PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;

std::wstring Folder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"tamsu_print_test\\";
}
std::wstring PortFile() { return Folder() + L"port.ps"; }

std::wstring W(const char* cp936) { return Cp936ToWide(cp936); }

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK CollectText(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<std::wstring>*>(lp)->push_back(TextOf(hwnd));
    return TRUE;
}

std::vector<std::wstring> ChildTexts(HWND hwnd) {
    std::vector<std::wstring> texts;
    EnumChildWindows(hwnd, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadAll(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

// The PostScript a job left in path, once the spooler has written all of it.
std::string WaitForPrint(const std::wstring& path) {
    for (int i = 0; i < 300; ++i) {
        const std::string ps = ReadAll(path);
        if (ps.find("%%EOF") != std::string::npos) return ps;
        Sleep(20);
    }
    return ReadAll(path);
}

// Bytes as a PostScript string literal writes them: above 0x7F in octal.
std::string PostScriptString(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        char buf[8];
        std::snprintf(buf, sizeof buf, c >= 0x80 ? "\\%03o" : "%c", c);
        out += buf;
    }
    return out;
}

int PageCount(const std::string& ps) {
    int pages = 0;
    for (size_t at = ps.find("\n%%Page:"); at != std::string::npos; at = ps.find("\n%%Page:", at + 1)) ++pages;
    return pages;
}

void WaitForJobEnd(TestWindow& w) {
    for (int i = 0; i < 1500 && PrintProgressWindow(w.app()); ++i) w.PumpFor(20);
    ASSERT_EQ(PrintProgressWindow(w.app()), nullptr) << "the job did not end";
}

// About 150 lines of ASCII and Chinese, none wider than the page.
std::string LongDocument(int lines) {
    std::string text;
    for (int i = 1; i <= lines; ++i) {
        char head[32];
        std::snprintf(head, sizeof head, "Line %03d ", i);
        text += std::string(head) + "打印测试 ASCII text 中文字 end";
        if (i < lines) text += "\r\n";
    }
    return text;
}

// How many lines the printable height of the chosen printer holds in the
// editor's font, measured here on a device context of our own.
int LinesPerPage(TestWindow& w, const std::vector<uint8_t>& devMode) {
    HDC dc = CreateDCW(L"WINSPOOL", kPrinter, nullptr, reinterpret_cast<const DEVMODEW*>(devMode.data()));
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w.edit(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    HDC screen = GetDC(nullptr);
    lf.lfHeight = MulDiv(lf.lfHeight, GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(screen, LOGPIXELSY));
    lf.lfWidth = MulDiv(lf.lfWidth, GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int lines = GetDeviceCaps(dc, VERTRES) / (tm.tmHeight + tm.tmExternalLeading);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return lines;
}

class TestPrinter : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CreateDirectoryW(Folder().c_str(), nullptr);
        ASSERT_TRUE(InstallTestPrinter(kPrinter, PortFile()));
        // The printer starts in landscape with three copies; a Print
        // command must still offer portrait and one copy.
        ASSERT_TRUE(SetPrinterDefaults(kPrinter, DMORIENT_LANDSCAPE, 3));
    }
    void SetUp() override { DeleteFileW(PortFile().c_str()); }
};

class Printing : public TestPrinter {
protected:
    TestWindow w;
    HWND main() { return w.ui().mainWindow(); }
};

TEST_F(Printing, CancelledPrintDialogPrintsNothingAndChangesNothing) {
    w.TypeText("keep me");
    const std::string before = w.ui().GetText(ControlId::编辑框1, edit_prop::Text);
    w.services.printAnswers = {{false}, {false}};

    EXPECT_FALSE(BeginPrinting(w.app()));
    PrintCommand(w.app());
    w.PumpFor(300);

    ASSERT_EQ(w.services.printRequests.size(), 2u);
    for (const PrintDialogValues& asked : w.services.printRequests) {
        // The default printer every time, since none was confirmed.
        EXPECT_EQ(asked.owner, reinterpret_cast<uintptr_t>(main()));
        EXPECT_EQ(asked.flags, kDialogFlags);
        EXPECT_EQ(asked.deviceName, kPrinter);
        EXPECT_EQ(asked.portName, PortFile());
        ASSERT_GE(asked.devMode.size(), sizeof(DEVMODEW));
        const auto* dm = reinterpret_cast<const DEVMODEW*>(asked.devMode.data());
        EXPECT_EQ(dm->dmOrientation, DMORIENT_PORTRAIT);
        EXPECT_EQ(dm->dmCopies, 1);
        EXPECT_EQ(dm->dmPaperSize, DMPAPER_A4);
    }
    EXPECT_TRUE(w.services.fileRequests.empty());
    EXPECT_EQ(PrintProgressWindow(w.app()), nullptr);
    EXPECT_TRUE(IsWindowEnabled(main()));
    EXPECT_EQ(w.ui().GetText(ControlId::编辑框1, edit_prop::Text), before);
    EXPECT_TRUE(SendMessageW(w.edit(), EM_GETMODIFY, 0, 0));
    EXPECT_FALSE(Exists(PortFile()));
}

TEST_F(Printing, ConfirmedDialogRunsTheJobWithItsProgressWindowAndGivesTheWindowBack) {
    w.TypeText("first line\r\n第二行\r\nthird");
    w.ui().FocusControl(ControlId::编辑框1);
    w.services.printAnswers = {{true}, {true}};

    ASSERT_TRUE(BeginPrinting(w.app()));
    HWND progress = PrintProgressWindow(w.app());
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(IsWindowVisible(progress));
    EXPECT_EQ(GetWindow(progress, GW_OWNER), main());
    EXPECT_EQ(TextOf(progress), W("正在进行打印，请稍候 ......"));
    const std::vector<std::wstring> lines = {
        W("打印作业名："), W("未命名打印作业"), W("打印目的："), std::wstring(kPrinter) + W(" 上的 ") + PortFile(),
        W("已打印份数："), L"1", W("当前页号："), L"1", W("中止打印")};
    EXPECT_EQ(ChildTexts(progress), lines);
    EXPECT_FALSE(IsWindowEnabled(main()));

    // While the job is open a second Print does nothing at all.
    EXPECT_FALSE(BeginPrinting(w.app()));
    EXPECT_EQ(w.services.printRequests.size(), 1u);
    EXPECT_EQ(w.services.printAnswers.size(), 1u);

    WaitForJobEnd(w);
    EXPECT_FALSE(IsWindow(progress));
    EXPECT_TRUE(IsWindowEnabled(main()));
    EXPECT_EQ(GetFocus(), w.edit());
    const std::string ps = WaitForPrint(PortFile());
    EXPECT_EQ(PageCount(ps), 1);
    EXPECT_NE(ps.find("%%Title: (" + PostScriptString("未命名打印作业") + ")"), std::string::npos) << ps.substr(0, 400);
    EXPECT_NE(ps.find("%%Orientation: Portrait"), std::string::npos);
}

TEST_F(Printing, PrintToFileAsksForTheFileAndWritesTheJobThere) {
    const std::wstring output = Folder() + L"chosen.prn";
    DeleteFileW(output.c_str());
    w.TypeText("to a file");
    w.services.printAnswers = {{true, true}, {true, true}};
    w.services.fileAnswers = {{false, ""}, {true, WideToCp936(output)}};

    // Cancelling the file dialog prints nothing.
    EXPECT_FALSE(BeginPrinting(w.app()));
    ASSERT_EQ(w.services.fileRequests.size(), 1u);
    const FileDialogRequest& asked = w.services.fileRequests[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.title, "打印到文件");
    EXPECT_EQ(asked.fileName, "Output.prn");
    EXPECT_EQ(asked.defaultExt, "prn");
    static const char kFilter[] = "打印输出文件 (*.prn)\0*.prn\0所有文件 (*.*)\0*.*\0";
    EXPECT_EQ(asked.filterList, std::string(kFilter, sizeof kFilter));
    EXPECT_EQ(asked.flags, static_cast<uint32_t>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(PrintProgressWindow(w.app()), nullptr);
    EXPECT_TRUE(IsWindowEnabled(main()));

    // Confirmed: the progress window names the file, the job goes into it.
    ASSERT_TRUE(BeginPrinting(w.app()));
    const std::vector<std::wstring> texts = ChildTexts(PrintProgressWindow(w.app()));
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[3], L"chosen.prn");
    WaitForJobEnd(w);
    EXPECT_EQ(PageCount(WaitForPrint(output)), 1);
    Sleep(200);
    EXPECT_FALSE(Exists(PortFile())) << "nothing went to the printer's own port";
}

// While it lives the spooler's folder for jobs is a plain file, so no
// document can start.
class SpoolFolderBlocked {
public:
    SpoolFolderBlocked() {
        wchar_t system[MAX_PATH] = {};
        GetSystemDirectoryW(system, MAX_PATH);
        folder_ = std::wstring(system) + L"\\spool\\printers";
        moved_ = MoveFileW(folder_.c_str(), (folder_ + L".away").c_str()) != FALSE;
        HANDLE file = CreateFileW(folder_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        blocked_ = moved_ && file != INVALID_HANDLE_VALUE;
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    ~SpoolFolderBlocked() {
        if (!moved_) return;
        DeleteFileW(folder_.c_str());
        MoveFileW((folder_ + L".away").c_str(), folder_.c_str());
    }
    bool blocked() const { return blocked_; }

private:
    std::wstring folder_;
    bool moved_ = false;
    bool blocked_ = false;
};

TEST_F(Printing, AJobThatCannotStartLeavesTheProgramAsItWas) {
    w.TypeText("nowhere");
    w.ui().FocusControl(ControlId::编辑框1);
    {
        SpoolFolderBlocked spooler;
        ASSERT_TRUE(spooler.blocked());
        w.services.printAnswers = {{true}};
        EXPECT_FALSE(BeginPrinting(w.app()));
        EXPECT_EQ(w.services.printRequests.size(), 1u);
        EXPECT_EQ(PrintProgressWindow(w.app()), nullptr);
        EXPECT_TRUE(IsWindowEnabled(main()));
        EXPECT_EQ(GetFocus(), w.edit());
        EXPECT_TRUE(w.services.messageBoxes.empty());
    }
    // With the spooler back, the next Print works.
    w.services.printAnswers = {{true}};
    ASSERT_TRUE(BeginPrinting(w.app()));
    WaitForJobEnd(w);
    EXPECT_EQ(PageCount(WaitForPrint(PortFile())), 1);
}

TEST_F(Printing, AConfirmedPrinterStaysTheProgramsPrinter) {
    const wchar_t other[] = L"Tamsu Other Printer";
    // The user picks Letter paper and three copies in the dialog.
    w.services.printAnswers = {{true, false, DMPAPER_LETTER, 3}, {false}};
    ASSERT_TRUE(BeginPrinting(w.app()));
    WaitForJobEnd(w);
    EXPECT_NE(WaitForPrint(PortFile()).find("media=Letter"), std::string::npos);
    ASSERT_TRUE(InstallTestPrinter(other, Folder() + L"other.ps"));  // now the default one

    // The next Print offers that printer and its paper, again with one copy.
    EXPECT_FALSE(BeginPrinting(w.app()));
    ASSERT_EQ(w.services.printRequests.size(), 2u);
    const PrintDialogValues& again = w.services.printRequests[1];
    EXPECT_EQ(again.deviceName, kPrinter);
    ASSERT_GE(again.devMode.size(), sizeof(DEVMODEW));
    const auto* dm = reinterpret_cast<const DEVMODEW*>(again.devMode.data());
    EXPECT_EQ(dm->dmPaperSize, DMPAPER_LETTER);
    EXPECT_EQ(dm->dmCopies, 1);
    EXPECT_EQ(dm->dmOrientation, DMORIENT_PORTRAIT);
    // A program started afresh begins with the default printer.
    TestWindow fresh;
    EXPECT_FALSE(BeginPrinting(fresh.app()));
    ASSERT_EQ(fresh.services.printRequests.size(), 1u);
    EXPECT_EQ(fresh.services.printRequests[0].deviceName, other);
    ASSERT_TRUE(SetDefaultPrinterW(kPrinter));
}

TEST_F(Printing, TheDocumentFillsAsManyPagesAsThePrintableHeightImplies) {
    struct Case {
        const char* what;
        std::string text;
        int lines;  // printed lines, none wrapped
    };
    const Case cases[] = {
        {"an empty document", "", 0},
        {"150 lines of ASCII and Chinese", LongDocument(150), 150},
        {"a line break at the end adds no line", LongDocument(150) + "\r\n", 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(PortFile().c_str());
        w.ui().SetText(ControlId::编辑框1, edit_prop::Text, c.text);
        w.services.printAnswers = {{true}};
        ASSERT_TRUE(BeginPrinting(w.app()));
        WaitForJobEnd(w);
        const int perPage = LinesPerPage(w, w.services.printRequests.back().devMode);
        ASSERT_GT(perPage, 10);
        const int expected = c.lines == 0 ? 1 : (c.lines + perPage - 1) / perPage;
        if (c.lines == 150) {
            EXPECT_GT(expected, 1);
        }
        EXPECT_EQ(PageCount(WaitForPrint(PortFile())), expected);
    }
}

TEST_F(Printing, StoppingTheJobPrintsNothingMore) {
    struct Way {
        const char* what;
        UINT message;
        WPARAM wp;
    };
    const Way ways[] = {{"clicking 中止打印", BM_CLICK, 0},
                        {"Esc on the button", WM_KEYDOWN, VK_ESCAPE},
                        {"Enter on the button", WM_KEYDOWN, VK_RETURN}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        DeleteFileW(PortFile().c_str());
        w.ui().SetText(ControlId::编辑框1, edit_prop::Text, LongDocument(400));
        w.services.printAnswers = {{true}};
        ASSERT_TRUE(BeginPrinting(w.app()));
        HWND progress = PrintProgressWindow(w.app());
        HWND stop = GetFocus();
        ASSERT_EQ(GetParent(stop), progress);
        EXPECT_EQ(TextOf(stop), W("中止打印"));
        SendMessageW(stop, way.message, way.wp, 0);

        EXPECT_EQ(PrintProgressWindow(w.app()), nullptr);
        EXPECT_FALSE(IsWindow(progress));
        EXPECT_TRUE(IsWindowEnabled(main()));
        w.PumpFor(500);
        EXPECT_FALSE(Exists(PortFile()));
    }

    // The next Print starts afresh.
    w.ui().SetText(ControlId::编辑框1, edit_prop::Text, "again");
    w.services.printAnswers = {{true}};
    ASSERT_TRUE(BeginPrinting(w.app()));
    WaitForJobEnd(w);
    EXPECT_EQ(PageCount(WaitForPrint(PortFile())), 1);
}

// The program can end while a job runs: the printer object is released, or
// MainWindow is destroyed and takes the progress window along. Either way
// nobody stopped the job, so the whole document goes out.
using PrintingAtExit = TestPrinter;

TEST_F(PrintingAtExit, AJobStillOpenWhenTheProgramEndsPrintsTheWholeDocument) {
    for (const bool windowFirst : {false, true}) {
        SCOPED_TRACE(windowFirst ? "MainWindow destroyed" : "printer object released");
        DeleteFileW(PortFile().c_str());
        int perPage = 0;
        {
            TestWindow w;
            w.ui().SetText(ControlId::编辑框1, edit_prop::Text, LongDocument(150));
            w.services.printAnswers = {{true}};
            ASSERT_TRUE(BeginPrinting(w.app()));
            perPage = LinesPerPage(w, w.services.printRequests.back().devMode);
            if (windowFirst) {
                DestroyWindow(w.ui().mainWindow());
                EXPECT_EQ(PrintProgressWindow(w.app()), nullptr);
            }
        }
        ASSERT_GT(perPage, 10);
        EXPECT_EQ(PageCount(WaitForPrint(PortFile())), (150 + perPage - 1) / perPage);
    }
}

}  // namespace
}  // namespace tamsu::test
