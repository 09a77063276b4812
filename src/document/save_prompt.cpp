#include "document/save_prompt.h"

#include <windows.h>

#include "document/common_dialog.h"
#include "document/file_io.h"
#include "document/text_transfer.h"
#include "ui/cp936_conversion.h"

namespace tamsu {
namespace {

constexpr ControlId kEditor = ControlId::编辑框1;
constexpr ControlId kDialog = ControlId::通用对话框1;

std::wstring EditorWideText(App& app) {
    const LRESULT n = app.ui.SendControlMessage(kEditor, WM_GETTEXTLENGTH, 0, 0);
    if (n <= 0) return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    const LRESULT got = app.ui.SendControlMessage(kEditor, WM_GETTEXT, static_cast<WPARAM>(n) + 1,
                                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

}  // namespace

bool IsModified(App& app) { return app.ui.SendControlMessage(kEditor, EM_GETMODIFY, 0, 0) != 0; }

bool ConfirmStorableText(App& app) {
    if (FitsCp936(EditorWideText(app))) return true;
    return app.services.ShowMessage("文档中有无法用GBK编码保存的字符，保存后它们将变成“?”。仍要保存吗？", "询问",
                                    MB_YESNO | MB_ICONWARNING) == kAnswerYes;
}

bool WriteDocumentTo(App& app, const std::string& path, std::string* written) {
    const Bytes bytes = TextToBytes(app.ui.GetText(kEditor, edit_prop::Text));
    DWORD error = ERROR_SUCCESS;
    if (WriteFileBytes(path, bytes, error)) {
        if (written) *written = bytes;
        return true;
    }
    app.services.ShowMessage("无法保存文件：" + path + "\r\n" + SystemErrorText(error), "错误", MB_OK | MB_ICONERROR);
    return false;
}

void ShowReadFailure(App& app, const std::string& path, unsigned long error) {
    if (error == ERROR_FILE_TOO_LARGE) {
        const std::string limit = std::to_string(kMaxReadBytes / (1024 * 1024));
        app.services.ShowMessage("文件太大，无法打开：" + path + "\r\n只能打开不超过 " + limit + " MB 的文件。", "错误",
                                 MB_OK | MB_ICONERROR);
        return;
    }
    app.services.ShowMessage("无法打开文件：" + path + "\r\n" + SystemErrorText(error), "错误", MB_OK | MB_ICONERROR);
}

int AskSaveIfModified(App& app) {
    if (!IsModified(app)) return 0;
    const int answer = app.services.ShowMessage("文件已经被修改，是否保存？", "询问", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == kAnswerCancel) return 1;
    if (answer != kAnswerYes) return 0;
    // From here on the user wants the text kept: whatever stops the save also
    // stops the command that would throw the text away.
    if (!ConfirmStorableText(app)) return 1;
    app.ui.SetText(kDialog, dialog_prop::Title, "保存");
    app.ui.SetInt(kDialog, dialog_prop::Kind, 1);
    if (ShowDialog(app) != 1) return 1;
    if (!WriteDocumentTo(app, app.ui.GetText(kDialog, dialog_prop::FileName))) return 1;
    return 0;
}

}  // namespace tamsu
