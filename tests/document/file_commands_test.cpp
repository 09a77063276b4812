#include "document/file_commands.h"

#include <commdlg.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "document/file_fixture.h"
#include "document/file_io.h"
#include "document/save_prompt.h"
#include "support/test_window.h"

namespace tamsu::test {
namespace {

using namespace std::string_literals;

constexpr uint32_t kAskFlags = MB_YESNOCANCEL | MB_ICONQUESTION;  // 35
const std::string kAskText = "文件已经被修改，是否保存？";

// The document as the user sees it, and the dialog object's memory.
struct Editor {
    TestWindow w;
    ControlModel& ui() { return w.ui(); }
    std::string text() { return ui().GetText(ControlId::编辑框1, edit_prop::Text); }
    std::string path() { return ui().GetText(ControlId::编辑框2, edit_prop::Text); }
    std::string fileName() { return ui().GetText(ControlId::通用对话框1, dialog_prop::FileName); }
    std::string title() { return ui().GetText(ControlId::通用对话框1, dialog_prop::Title); }
    bool modified() { return SendMessageW(w.edit(), EM_GETMODIFY, 0, 0) != 0; }
    void Type(const std::string& text) { w.TypeText(text); }
    // Keystrokes into the box: each one sets the modified flag.
    void Keys(const std::wstring& keys) {
        for (wchar_t k : keys) SendMessageW(w.edit(), WM_CHAR, k, 0);
    }
    void ChooseFile(const std::string& path) { w.services.fileAnswers.push_back({true, path}); }
    void CancelFileDialog() { w.services.fileAnswers.push_back({false, ""}); }
    void Answer(int answer) { w.services.messageBoxAnswers.push_back(answer); }
    size_t boxes() { return w.services.messageBoxes.size(); }
    const MessageBoxCall& lastBox() { return w.services.messageBoxes.back(); }
    size_t dialogs() { return w.services.fileRequests.size(); }
    const FileDialogRequest& lastDialog() { return w.services.fileRequests.back(); }
    void Open(const std::string& file) {
        ChooseFile(file);
        OpenCommand(w.app());
    }
    bool windowAlive() {
        w.Pump();
        return IsWindow(ui().mainWindow()) != FALSE;
    }
};

using Command = void (*)(App&);
struct NamedCommand {
    const char* name;
    Command run;
};
const NamedCommand kAskingCommands[] = {
    {"新建", NewCommand}, {"打开", OpenCommand}, {"清空", ClearCommand}, {"退出", ExitCommand},
};

TEST(SavePrompt, AnUnchangedDocumentGoesAheadWithoutAsking) {
    for (const NamedCommand& c : kAskingCommands) {
        Editor ed;
        ed.ui().SetText(ControlId::编辑框1, edit_prop::Text, "as loaded");
        ed.CancelFileDialog();
        c.run(ed.w.app());
        EXPECT_EQ(ed.boxes(), 0u) << c.name;
    }
    Editor ed;
    ed.w.application().RaiseEvent(ControlId::关闭, EventKind::Clicked);
    EXPECT_EQ(ed.boxes(), 0u);
    EXPECT_FALSE(ed.windowAlive());
}

TEST(SavePrompt, TypedAndDeletedBackStillCountsAsModified) {
    Editor ed;
    ed.Keys(L"x\b");
    ASSERT_EQ(ed.text(), "");
    EXPECT_TRUE(IsModified(ed.w.app()));
    ed.Answer(kAnswerCancel);
    NewCommand(ed.w.app());
    ASSERT_EQ(ed.boxes(), 1u);
    EXPECT_EQ(ed.lastBox().text, kAskText);
    EXPECT_EQ(ed.lastBox().caption, "询问");
    EXPECT_EQ(ed.lastBox().flags, kAskFlags);
}

TEST(SavePrompt, CancelLeavesEverythingAsItWas) {
    TempFolder dir;
    WriteRaw(dir.Path("a.txt"), "opened");
    for (const NamedCommand& c : kAskingCommands) {
        Editor ed;
        ed.Open(dir.Path("a.txt"));
        ed.Type("changed");
        ed.Answer(kAnswerCancel);
        c.run(ed.w.app());
        EXPECT_EQ(ed.text(), "changed") << c.name;
        EXPECT_TRUE(ed.modified()) << c.name;
        EXPECT_EQ(ed.path(), dir.Path("a.txt")) << c.name;
        EXPECT_EQ(ed.dialogs(), 1u) << c.name;  // only the Open before
        EXPECT_TRUE(ed.windowAlive()) << c.name;
    }
    Editor ed;
    ed.Type("changed");
    ed.Answer(kAnswerCancel);
    ed.w.application().RaiseEvent(ControlId::关闭, EventKind::Clicked);
    EXPECT_EQ(ed.boxes(), 1u);
    EXPECT_TRUE(ed.windowAlive());
}

TEST(SavePrompt, NoDiscardsWithoutWriting) {
    Editor ed;
    ed.Type("throw away");
    ed.Answer(kAnswerNo);
    ClearCommand(ed.w.app());
    EXPECT_EQ(ed.text(), "");
    EXPECT_FALSE(ed.modified());
    EXPECT_EQ(ed.dialogs(), 0u);
}

TEST(SavePrompt, YesWritesTheExactBytesToTheChosenFileAndGoesOn) {
    TempFolder dir;
    struct Case {
        std::string typed;  // "" : typed and deleted back, an empty but modified text
        std::string fileHolds;
    };
    for (const Case& c : {Case{"第一行\r\n第二行\n", "第一行\r\n第二行\n"}, Case{"", ""}}) {
        Editor ed;
        const std::string file = dir.Path("kept.txt");
        WriteRaw(file, "something before");
        if (c.typed.empty()) {
            ed.Keys(L"x\b");
        } else {
            ed.Type(c.typed);
        }
        ed.Answer(kAnswerYes);
        ed.ChooseFile(file);
        NewCommand(ed.w.app());
        ASSERT_EQ(ed.dialogs(), 1u);
        EXPECT_TRUE(ed.lastDialog().save);
        EXPECT_EQ(ed.lastDialog().title, "保存");
        EXPECT_EQ(ReadRaw(file), c.fileHolds);
        EXPECT_EQ(ed.text(), "");  // New went on
        EXPECT_EQ(ed.fileName(), file);
        EXPECT_EQ(ed.path(), "");  // the prompt does not make it the document's file
    }
}

TEST(SavePrompt, YesWithoutASaveStopsTheCommandAndKeepsTheText) {
    TempFolder dir;
    {
        Editor ed;  // the save dialog cancelled
        ed.Type("keep me");
        ed.Answer(kAnswerYes);
        ed.CancelFileDialog();
        NewCommand(ed.w.app());
        EXPECT_EQ(ed.text(), "keep me");
        EXPECT_TRUE(ed.modified());
        EXPECT_EQ(ed.boxes(), 1u);
    }
    {
        Editor ed;  // the write fails: told, and the text stays
        ed.Type("keep me");
        ed.Answer(kAnswerYes);
        const std::string nowhere = dir.Path("no such folder\\x.txt");
        ed.ChooseFile(nowhere);
        ExitCommand(ed.w.app());
        ASSERT_EQ(ed.boxes(), 2u);
        EXPECT_EQ(ed.lastBox().text.rfind("无法保存文件：" + nowhere + "\r\n", 0), 0u) << ed.lastBox().text;
        EXPECT_GT(ed.lastBox().text.size(), ("无法保存文件：" + nowhere + "\r\n").size());  // the system's reason
        EXPECT_EQ(ed.lastBox().caption, "错误");
        EXPECT_EQ(ed.lastBox().flags, static_cast<uint32_t>(MB_ICONERROR));
        EXPECT_EQ(ed.text(), "keep me");
        EXPECT_TRUE(ed.windowAlive());
        EXPECT_EQ(dir.Names(), std::vector<std::string>{});
    }
}

TEST(OpenCommand, ReadsTheWholeFileAndMakesItTheDocumentsFile) {
    TempFolder dir;
    const std::string file = dir.Path("gbk.txt");
    const std::string bytes = "中文\r\nline two\nbare LF"s;
    WriteRaw(file, bytes);
    Editor ed;
    ed.Type("old");
    SendMessageW(ed.w.edit(), EM_SETSEL, 1, 2);
    ed.Answer(kAnswerNo);
    ed.Open(file);
    ASSERT_EQ(ed.dialogs(), 1u);
    const FileDialogRequest& r = ed.lastDialog();
    EXPECT_FALSE(r.save);
    EXPECT_EQ(r.title, "打开");
    EXPECT_EQ(r.fileName, "");  // the first dialog of a run starts empty
    EXPECT_EQ(r.filterList, "文本文件(*.txt)\0*.txt\0\0"s);
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(ed.text(), bytes);
    EXPECT_FALSE(ed.modified());
    EXPECT_EQ(ed.path(), file);
    EXPECT_EQ(ed.fileName(), file);
    EXPECT_EQ(ed.boxes(), 1u);  // only the prompt

    // The next dialog starts with the path last confirmed.
    ed.CancelFileDialog();
    OpenCommand(ed.w.app());
    EXPECT_EQ(ed.lastDialog().fileName, file);
    EXPECT_EQ(ed.fileName(), file);
}

TEST(OpenCommand, CancelledDialogChangesNothing) {
    Editor ed;
    ed.Type("mine");
    ed.Answer(kAnswerNo);
    ed.CancelFileDialog();
    OpenCommand(ed.w.app());
    EXPECT_EQ(ed.text(), "mine");
    EXPECT_TRUE(ed.modified());
    EXPECT_EQ(ed.path(), "");
    EXPECT_EQ(ed.fileName(), "");
}

TEST(OpenCommand, ANulByteEndsTheTextAndTheUserIsTold) {
    TempFolder dir;
    const std::string file = dir.Path("with-zero.txt");
    WriteRaw(file, "ab\0cd"s);
    Editor ed;
    ed.Open(file);
    EXPECT_EQ(ed.text(), "ab");
    EXPECT_EQ(ed.path(), file);
    ASSERT_EQ(ed.boxes(), 1u);
    EXPECT_EQ(ed.lastBox().text, "文件中含有空字符，只显示了它前面的内容。保存时文件将只保留显示的内容。");
    EXPECT_EQ(ed.lastBox().caption, "提示");
    EXPECT_EQ(ed.lastBox().flags, static_cast<uint32_t>(MB_ICONWARNING));

    WriteRaw(dir.Path("empty.txt"), "");
    ed.Open(dir.Path("empty.txt"));
    EXPECT_EQ(ed.text(), "");
    EXPECT_EQ(ed.path(), dir.Path("empty.txt"));
    EXPECT_EQ(ed.boxes(), 1u);  // an empty file is nothing to warn about
}

TEST(OpenCommand, AFileThatCannotBeReadIsReportedAndChangesNothing) {
    TempFolder dir;
    const std::string before = dir.Path("before.txt");
    WriteRaw(before, "before");
    const std::string locked = dir.Path("locked.txt");
    WriteRaw(locked, "held by another program");
    LockingProcess lock(locked);
    const std::string vanishing = dir.Path("vanishing.txt");
    const std::string large = dir.Path("large.txt");
    WriteSparse(large, 200LL * 1024 * 1024);
    struct Case {
        std::string path;
        std::string told;
        std::function<void()> afterTheDialog;
    };
    const Case cases[] = {
        {locked, "无法打开文件：" + locked + "\r\n" + SystemErrorText(ERROR_SHARING_VIOLATION), nullptr},
        // Chosen while it was there, gone before it was read.
        {vanishing, "无法打开文件：" + vanishing + "\r\n" + SystemErrorText(ERROR_FILE_NOT_FOUND),
         [&] { DeleteFileW(Wide(vanishing).c_str()); }},
        {large, "文件太大，无法打开：" + large + "\r\n只能打开不超过 32 MB 的文件。", nullptr},
    };
    for (const Case& c : cases) {
        WriteRaw(vanishing, "soon gone");
        const std::vector<std::string> files = dir.Names();
        Editor ed;
        ed.Open(before);
        ed.Type("edited");
        ed.Answer(kAnswerNo);
        ed.w.services.fileAnswers.push_back({true, c.path, c.afterTheDialog});
        OpenCommand(ed.w.app());
        ASSERT_EQ(ed.boxes(), 2u) << c.path;
        EXPECT_EQ(ed.lastBox().text, c.told);
        EXPECT_EQ(ed.lastBox().caption, "错误");
        EXPECT_EQ(ed.lastBox().flags, static_cast<uint32_t>(MB_ICONERROR));
        EXPECT_EQ(ed.text(), "edited") << c.path;
        EXPECT_TRUE(ed.modified()) << c.path;
        EXPECT_EQ(ed.path(), before) << c.path;
        EXPECT_EQ(ReadRaw(before), "before") << c.path;
        for (const std::string& n : dir.Names()) {
            EXPECT_NE(std::find(files.begin(), files.end(), n), files.end()) << "left behind: " << n;
        }
    }
}

TEST(OpenCommand, APathAtAndBeyondMaxPathIsOpenedAndSavedWhereItIs) {
    for (size_t bytes : {259u, 260u}) {
        TempFolder dir;
        LongPath file(dir, bytes, true);
        WriteRaw(LongPath::Raw(file.path()), "opened");
        Editor ed;
        ed.Open(file.path());
        EXPECT_EQ(ed.text(), "opened") << bytes;
        EXPECT_EQ(ed.path(), file.path()) << bytes;
        ed.Type("saved in place");
        SaveCommand(ed.w.app());
        EXPECT_EQ(ed.boxes(), 0u) << bytes;
        EXPECT_FALSE(ed.modified()) << bytes;
        EXPECT_EQ(ReadRaw(LongPath::Raw(file.path())), "saved in place") << bytes;
        // Nothing else beside it: no temporary file, no file under a cut name.
        EXPECT_EQ(file.Names(), std::vector<std::string>{file.name()}) << bytes;
    }
}

TEST(SaveCommand, AnUnmodifiedDocumentIsNotSaved) {
    TempFolder dir;
    const std::string file = dir.Path("f.txt");
    WriteRaw(file, "on disk");
    Editor ed;
    SaveCommand(ed.w.app());  // no path
    ed.Open(file);
    WriteRaw(file, "changed on disk meanwhile");
    SaveCommand(ed.w.app());  // with a path
    EXPECT_EQ(ed.dialogs(), 1u);  // the Open only
    EXPECT_EQ(ReadRaw(file), "changed on disk meanwhile");
    EXPECT_EQ(ed.boxes(), 0u);
}

TEST(SaveCommand, WithoutAPathAsksEveryTimeAndLeavesTheFlagSet) {
    TempFolder dir;
    Editor ed;
    ed.Type("draft");
    ed.ChooseFile(dir.Path("one.txt"));
    SaveCommand(ed.w.app());
    ed.ChooseFile(dir.Path("two.txt"));
    SaveCommand(ed.w.app());
    ASSERT_EQ(ed.dialogs(), 2u);
    EXPECT_TRUE(ed.lastDialog().save);
    EXPECT_EQ(ed.lastDialog().title, "保存");
    EXPECT_EQ(ed.lastDialog().fileName, dir.Path("one.txt"));
    EXPECT_EQ(ReadRaw(dir.Path("one.txt")), "draft");
    EXPECT_EQ(ReadRaw(dir.Path("two.txt")), "draft");
    EXPECT_TRUE(ed.modified());
    EXPECT_EQ(ed.path(), "");
    EXPECT_EQ(ed.text(), "draft");
    // So Exit still asks.
    ed.Answer(kAnswerCancel);
    ExitCommand(ed.w.app());
    EXPECT_EQ(ed.boxes(), 1u);
}

TEST(SaveCommand, WithAPathWritesThereReadsBackAndPutsTheCaretAtTheEnd) {
    TempFolder dir;
    const std::string file = dir.Path("doc.txt");
    WriteRaw(file, "opened");
    struct Case {
        const char* between;  // what happens between Open and typing
        Command run;
    };
    for (const Case& c : {Case{"nothing", nullptr}, Case{"清空", ClearCommand}}) {
        Editor ed;
        ed.Open(file);
        if (c.run) c.run(ed.w.app());
        ed.Type("新的内容\r\nnew");
        SendMessageW(ed.w.edit(), EM_SETSEL, 0, 0);
        SetFocus(nullptr);
        SaveCommand(ed.w.app());
        EXPECT_EQ(ed.dialogs(), 1u) << c.between;  // no dialog
        EXPECT_EQ(ReadRaw(file), "新的内容\r\nnew") << c.between;
        EXPECT_EQ(ed.text(), "新的内容\r\nnew") << c.between;
        EXPECT_FALSE(ed.modified()) << c.between;
        EXPECT_EQ(ed.ui().GetInt(ControlId::编辑框1, edit_prop::SelStart), 13) << c.between;
        EXPECT_EQ(GetFocus(), ed.w.edit()) << c.between;
        EXPECT_EQ(ed.ui().GetInt(ControlId::通用对话框1, dialog_prop::Kind), 1) << c.between;
        EXPECT_EQ(ed.title(), "保存") << c.between;
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"doc.txt"}) << c.between;
        WriteRaw(file, "opened");
    }
}

TEST(SaveCommand, AfterNewAsksForAFileInsteadOfOverwritingTheOpenedOne) {
    TempFolder dir;
    const std::string opened = dir.Path("opened.txt");
    WriteRaw(opened, "keep this");
    Editor ed;
    ed.Open(opened);
    NewCommand(ed.w.app());
    EXPECT_EQ(ed.path(), "");
    ed.Type("a new document");
    ed.ChooseFile(dir.Path("new.txt"));
    SaveCommand(ed.w.app());
    EXPECT_EQ(ed.dialogs(), 2u);
    EXPECT_EQ(ReadRaw(opened), "keep this");
    EXPECT_EQ(ReadRaw(dir.Path("new.txt")), "a new document");
}

int g_chunksBeforeDiskFull = 0;
BOOL DiskFullAfterSomeChunks(HANDLE file, const char* data, DWORD size, DWORD* written) {
    if (g_chunksBeforeDiskFull-- > 0) return WriteFile(file, data, size, written, nullptr);
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

TEST(SaveCommand, AFailedWriteIsReportedAndKeepsTheUsersText) {
    struct Case {
        const char* what;
        std::function<void(const std::string& file, std::optional<LockingProcess>& lock)> fault;
        size_t workBytes;  // more than a write chunk where the fault strikes midway
        DWORD reason;      // the system's code the user reads, 0 where the system chooses
    };
    const Case cases[] = {
        {"read-only target",
         [](const std::string& f, auto&) { ASSERT_TRUE(SetFileAttributesW(Wide(f).c_str(), FILE_ATTRIBUTE_READONLY)); },
         100, 0},
        {"locked by another process", [](const std::string& f, auto& lock) { lock.emplace(f); }, 100, 0},
        {"disk full midway",
         [](const std::string&, auto&) {
             g_chunksBeforeDiskFull = 1;
             SetWriteChunkFunction(DiskFullAfterSomeChunks);
         },
         1100 * 1024, ERROR_DISK_FULL},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        const std::string file = dir.Path("former.txt");
        WriteRaw(file, "former");
        Editor ed;
        ed.Open(file);
        std::optional<LockingProcess> lock;
        c.fault(file, lock);
        std::string work;
        while (work.size() < c.workBytes) work += "用户的工作 the user's work\r\n";
        ed.Type(work);
        SaveCommand(ed.w.app());
        SetWriteChunkFunction(nullptr);
        lock.reset();
        ASSERT_EQ(ed.boxes(), 1u) << c.what;
        const std::string told = "无法保存文件：" + file + "\r\n";
        EXPECT_EQ(ed.lastBox().text.rfind(told, 0), 0u) << ed.lastBox().text;
        if (c.reason) {
            EXPECT_EQ(ed.lastBox().text, told + SystemErrorText(c.reason)) << c.what;
        } else {
            EXPECT_GT(ed.lastBox().text.size(), told.size()) << c.what;  // the system's reason
        }
        EXPECT_EQ(ed.lastBox().caption, "错误") << c.what;
        EXPECT_EQ(ed.text(), work) << c.what;
        EXPECT_TRUE(ed.modified()) << c.what;
        EXPECT_EQ(ed.path(), file) << c.what;
        EXPECT_EQ(ReadRaw(file), "former") << c.what;
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"former.txt"}) << c.what;
    }

    // Without a path: the chosen file cannot be written either.
    TempFolder dir;
    Editor fresh;
    fresh.Type("more work");
    fresh.ChooseFile(dir.Path("missing folder\\x.txt"));
    SaveCommand(fresh.w.app());
    ASSERT_EQ(fresh.boxes(), 1u);
    EXPECT_EQ(fresh.lastBox().caption, "错误");
    EXPECT_TRUE(fresh.modified());
    EXPECT_EQ(fresh.text(), "more work");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{});
}

TEST(SaveCommand, CharactersOutsideGbkAreAskedAboutFirst) {
    TempFolder dir;
    const std::string file = dir.Path("emoji.txt");
    WriteRaw(file, "former");
    const std::wstring withEmoji = L"ok \U0001F600 \u4E2D";
    for (int answer : {kAnswerNo, kAnswerYes}) {
        Editor ed;
        ed.Open(file);
        SendMessageW(ed.w.edit(), EM_SETSEL, 0, -1);
        SendMessageW(ed.w.edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(withEmoji.c_str()));
        ed.Answer(answer);
        SaveCommand(ed.w.app());
        ASSERT_EQ(ed.boxes(), 1u);
        EXPECT_EQ(ed.lastBox().text, "文档中有无法用GBK编码保存的字符，保存后它们将变成“?”。仍要保存吗？");
        EXPECT_EQ(ed.lastBox().caption, "询问");
        EXPECT_EQ(ed.lastBox().flags, static_cast<uint32_t>(MB_YESNO | MB_ICONWARNING));
        if (answer == kAnswerNo) {
            EXPECT_EQ(ReadRaw(file), "former");
            EXPECT_TRUE(ed.modified());
        } else {
            const std::string saved = ReadRaw(file);
            EXPECT_EQ(saved.rfind("ok ?", 0), 0u) << Hex(saved);
            EXPECT_EQ(saved.substr(saved.size() - 3), " 中") << Hex(saved);
            EXPECT_FALSE(ed.modified());
        }
        WriteRaw(file, "former");
    }
    // The prompt's Yes followed by No to the lossy save keeps the text.
    Editor ed;
    SendMessageW(ed.w.edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(withEmoji.c_str()));
    ed.Answer(kAnswerYes);
    ed.Answer(kAnswerNo);
    ClearCommand(ed.w.app());
    EXPECT_EQ(ed.dialogs(), 0u);
    EXPECT_TRUE(ed.modified());
    EXPECT_NE(ed.text(), "");
}

TEST(SaveAsCommand, RightAfterOpenShowsTheOpenCaptionAndTheOpenedPath) {
    TempFolder dir;
    const std::string original = dir.Path("original.txt");
    WriteRaw(original, "original");
    Editor ed;
    ed.Open(original);
    ed.Type("edited");
    ed.ChooseFile(dir.Path("copy.txt"));
    SaveAsCommand(ed.w.app());
    ASSERT_EQ(ed.dialogs(), 2u);
    EXPECT_TRUE(ed.lastDialog().save);
    EXPECT_EQ(ed.lastDialog().title, "打开");
    EXPECT_EQ(ed.lastDialog().fileName, original);
    EXPECT_NE(ed.lastDialog().flags & OFN_OVERWRITEPROMPT, 0u);
    EXPECT_EQ(ReadRaw(dir.Path("copy.txt")), "edited");
    EXPECT_EQ(ed.text(), "edited");  // nothing read back
    EXPECT_TRUE(ed.modified());
    EXPECT_EQ(ed.boxes(), 0u);
    // The copy is now the document's file: Save goes there, the original stays.
    EXPECT_EQ(ed.path(), dir.Path("copy.txt"));
    ed.Type("edited again");
    SaveCommand(ed.w.app());
    EXPECT_EQ(ReadRaw(dir.Path("copy.txt")), "edited again");
    EXPECT_EQ(ReadRaw(original), "original");
}

TEST(SaveAsCommand, FirstOfARunUsesTheSystemsCaptionAndAFailureKeepsThePath) {
    TempFolder dir;
    Editor ed;
    ed.ChooseFile(dir.Path("nowhere\\x.txt"));
    SaveAsCommand(ed.w.app());
    ASSERT_EQ(ed.dialogs(), 1u);
    EXPECT_EQ(ed.lastDialog().title, "");
    EXPECT_EQ(ed.lastDialog().fileName, "");
    ASSERT_EQ(ed.boxes(), 1u);
    EXPECT_EQ(ed.lastBox().caption, "错误");
    EXPECT_EQ(ed.path(), "");
    // An empty text writes a file of length 0.
    ed.ChooseFile(dir.Path("empty.txt"));
    SaveAsCommand(ed.w.app());
    EXPECT_EQ(ReadRaw(dir.Path("empty.txt")), "");
    EXPECT_EQ(ed.path(), dir.Path("empty.txt"));
}

TEST(CloseRequests, AskAsExitDoesAndCancelKeepsTheWindow) {
    struct Case {
        UINT message;
        int answer;
        bool letsGo;
    };
    const Case cases[] = {
        {WM_CLOSE, kAnswerCancel, false},           {WM_CLOSE, kAnswerNo, true},
        {WM_QUERYENDSESSION, kAnswerCancel, false}, {WM_QUERYENDSESSION, kAnswerNo, true},
    };
    for (const Case& c : cases) {
        Editor ed;
        ed.Type("unsaved");
        ed.Answer(c.answer);
        const LRESULT r = SendMessageW(ed.ui().mainWindow(), c.message, 0, 0);
        ASSERT_EQ(ed.boxes(), 1u) << c.message;
        EXPECT_EQ(ed.lastBox().text, kAskText);
        if (c.message == WM_QUERYENDSESSION) {
            EXPECT_EQ(r != FALSE, c.letsGo) << c.answer;
            EXPECT_TRUE(ed.windowAlive());
        } else {
            EXPECT_EQ(ed.windowAlive(), !c.letsGo) << c.answer;
        }
    }
    // A completed save lets the session end.
    TempFolder dir;
    Editor ed;
    ed.Type("unsaved");
    ed.Answer(kAnswerYes);
    ed.ChooseFile(dir.Path("saved.txt"));
    EXPECT_NE(SendMessageW(ed.ui().mainWindow(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(ReadRaw(dir.Path("saved.txt")), "unsaved");
}

TEST(ExitCommand, NoEndsTheProgramWithoutWriting) {
    Editor ed;
    ed.Type("unsaved");
    ed.Answer(kAnswerNo);
    ExitCommand(ed.w.app());
    EXPECT_EQ(ed.dialogs(), 0u);
    EXPECT_FALSE(ed.windowAlive());
}

}  // namespace
}  // namespace tamsu::test
