#include <gtest/gtest.h>

#include "support/test_window.h"
#include "ui/controls/main_window.h"

namespace tamsu::test {
namespace {

// Every call the services saw, in one readable list.
std::vector<std::string> CallsOf(const ScriptedServices& s) {
    std::vector<std::string> calls;
    for (const auto& m : s.messageBoxes) calls.push_back("ask " + m.text + "|" + m.caption + "|" + std::to_string(m.flags));
    for (const auto& [line, wait] : s.commandLines) calls.push_back("run " + line + (wait ? "|wait" : "|nowait"));
    for (const auto& r : s.shellRuns)
        calls.push_back("shell " + std::to_string(r.verb) + "|" + r.file + "|" +
                        (r.hasParameters ? r.parameters : "<none>") + "|" + (r.hasDirectory ? r.directory : "<none>"));
    for (const auto& a : s.openedAddresses) calls.push_back("open " + a);
    for (const auto& [kind, force] : s.shutdowns) calls.push_back("shutdown " + std::to_string(kind) + (force ? "|force" : ""));
    return calls;
}

// Chooses a menu item the way the pop-up menu does: a posted command.
void Choose(TestWindow& w, HandlerId item) {
    const auto& menu = MainWindowLayout().menu;
    for (size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].handler != item) continue;
        PostMessageW(w.ui().mainWindow(), WM_COMMAND, kFirstMenuCommand + i, 0);
        w.Pump();
        return;
    }
    ADD_FAILURE() << "no menu item for the handler";
}

struct ItemCase {
    const char* name;
    HandlerId item;
    std::string document;
    std::vector<int> answers;
    std::vector<std::string> calls;
};

const std::string kDocument = "12345678\r\n中文 /x";
const std::string kShutDownQuestion = "ask 你正在编辑内容，真的要关机吗？|提示|36";
const std::string kRestartQuestion = "ask 你正在编辑内容，真的要重启吗？|提示|36";

TEST(FunctionsMenu, EachItemHandsExactlyItsRequestToTheServices) {
    using H = HandlerId;
    const ItemCase cases[] = {
        {"聊QQ", H::ToolsChatQQ, kDocument, {}, {"open tencent://message/?uin=" + kDocument}},
        {"聊QQ empty", H::ToolsChatQQ, "", {}, {"open tencent://message/?uin="}},
        {"打开浏览器", H::ToolsBrowser, kDocument, {},
         {"run C:\\Program Files\\Internet Explorer\\iexplore.exe|nowait"}},
        {"关机 yes", H::ToolsShutDown, kDocument, {kAnswerYes}, {kShutDownQuestion, "shutdown 1|force"}},
        {"关机 no", H::ToolsShutDown, kDocument, {kAnswerNo}, {kShutDownQuestion}},
        {"关机 closed", H::ToolsShutDown, kDocument, {kAnswerCancel}, {kShutDownQuestion}},
        {"重启 yes", H::ToolsRestart, kDocument, {kAnswerYes}, {kRestartQuestion, "shutdown 2|force"}},
        {"重启 no", H::ToolsRestart, kDocument, {kAnswerNo}, {kRestartQuestion}},
        {"运行", H::ToolsRun, kDocument, {}, {"run " + kDocument + "|nowait"}},
        {"运行 empty", H::ToolsRun, "", {}, {"run |nowait"}},
        {"打开CMD", H::ToolsCmd, kDocument, {}, {"run cmd|nowait"}},
        {"打开注册表", H::ToolsRegedit, kDocument, {}, {"run regedit|nowait"}},
        {"打开组策略", H::ToolsGpedit, kDocument, {}, {"shell 4|gpedit.msc|gpedit.msc|<none>"}},
        {"打开任务管理器", H::ToolsTaskManager, kDocument, {}, {"run taskmgr|nowait"}},
    };
    TestWindow w;
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.name);
        w.services = ScriptedServices{};
        w.TypeText(c.document);
        w.ui().SetText(ControlId::编辑框2, edit_prop::Text, "C:\\doc.txt");
        w.services.messageBoxAnswers.assign(c.answers.begin(), c.answers.end());
        const LRESULT modified = SendMessageW(w.edit(), EM_GETMODIFY, 0, 0);

        Choose(w, c.item);

        EXPECT_EQ(CallsOf(w.services), c.calls);
        // None of them touches the document, its modified flag or its path.
        EXPECT_EQ(w.ui().GetText(ControlId::编辑框1, edit_prop::Text), c.document);
        EXPECT_EQ(SendMessageW(w.edit(), EM_GETMODIFY, 0, 0), modified);
        EXPECT_EQ(w.ui().GetText(ControlId::编辑框2, edit_prop::Text), "C:\\doc.txt");
    }
}

TEST(FunctionsMenu, ARefusedOrFailedOperationReportsNothing) {
    const HandlerId items[] = {HandlerId::ToolsBrowser, HandlerId::ToolsRun, HandlerId::ToolsShutDown,
                               HandlerId::ToolsCmd};
    TestWindow w;
    for (HandlerId item : items) {
        w.services = ScriptedServices{};
        w.TypeText("no-such-program");
        w.services.runCommandLineResult = false;
        w.services.shutDownResult = false;
        w.services.defaultMessageBoxAnswer = kAnswerYes;
        Choose(w, item);
        // Only the shut-down question itself may be shown.
        EXPECT_LE(w.services.messageBoxes.size(), item == HandlerId::ToolsShutDown ? 1u : 0u);
        EXPECT_EQ(w.ui().GetText(ControlId::编辑框1, edit_prop::Text), "no-such-program");
    }
}

}  // namespace
}  // namespace tamsu::test
