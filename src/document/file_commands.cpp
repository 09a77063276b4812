#include "document/file_commands.h"

#include <windows.h>

#include "document/common_dialog.h"
#include "document/file_io.h"
#include "document/save_prompt.h"
#include "document/text_transfer.h"

namespace tamsu {
namespace {

constexpr ControlId kEditor = ControlId::编辑框1;
constexpr ControlId kPathBox = ControlId::编辑框2;
constexpr ControlId kDialog = ControlId::通用对话框1;

std::string CurrentPath(App& app) { return app.ui.GetText(kPathBox, edit_prop::Text); }

}  // namespace

void NewCommand(App& app) {
    if (AskSaveIfModified(app) == 1) return;
    app.ui.SetText(kEditor, edit_prop::Text, "");
    // A new document has no file: the next Save asks for one instead of
    // overwriting the file opened before.
    app.ui.SetText(kPathBox, edit_prop::Text, "");
}

void ClearCommand(App& app) {
    if (AskSaveIfModified(app) == 1) return;
    app.ui.SetText(kEditor, edit_prop::Text, "");
}

void OpenCommand(App& app) {
    if (AskSaveIfModified(app) == 1) return;
    app.ui.SetText(kDialog, dialog_prop::Filter, "文本文件(*.txt)|*.txt");
    app.ui.SetText(kDialog, dialog_prop::Title, "打开");
    app.ui.SetInt(kDialog, dialog_prop::Kind, 0);
    if (ShowDialog(app) != 1) return;
    const std::string path = app.ui.GetText(kDialog, dialog_prop::FileName);
    Bytes bytes;
    DWORD error = ERROR_SUCCESS;
    if (!ReadFileBytes(path, bytes, error)) {
        ShowReadFailure(app, path, error);
        return;
    }
    app.ui.SetText(kEditor, edit_prop::Text, BytesToText(bytes));
    app.ui.SetText(kPathBox, edit_prop::Text, path);
    if (HasNulByte(bytes)) {
        app.services.ShowMessage("文件中含有空字符，只显示了它前面的内容。保存时文件将只保留显示的内容。", "提示",
                                 MB_OK | MB_ICONWARNING);
    }
}

void SaveCommand(App& app) {
    // Two tests, each on the state at its moment; one Save runs at most one.
    if (CurrentPath(app).empty() && IsModified(app)) {
        if (ConfirmStorableText(app)) {
            app.ui.SetText(kDialog, dialog_prop::Title, "保存");
            app.ui.SetInt(kDialog, dialog_prop::Kind, 1);
            if (ShowDialog(app) == 1) WriteDocumentTo(app, app.ui.GetText(kDialog, dialog_prop::FileName));
        }
    }
    const std::string path = CurrentPath(app);
    if (!path.empty() && IsModified(app)) {
        app.ui.SetInt(kDialog, dialog_prop::Kind, 1);
        app.ui.SetText(kDialog, dialog_prop::Title, "保存");
        if (!ConfirmStorableText(app)) return;
        // A failed write keeps the user's text and its modified flag.
        Bytes written;
        if (!WriteDocumentTo(app, path, &written)) return;
        Bytes bytes;
        DWORD error = ERROR_SUCCESS;
        // The file holds exactly what was written, should it refuse to be read again.
        if (!ReadFileBytes(path, bytes, error)) bytes = written;
        app.ui.SetText(kEditor, edit_prop::Text, BytesToText(bytes));
        app.ui.SetInt(kEditor, edit_prop::SelStart, -1);
        app.ui.FocusControl(kEditor);
    }
}

void SaveAsCommand(App& app) {
    app.ui.SetInt(kDialog, dialog_prop::Kind, 1);
    if (!ConfirmStorableText(app)) return;
    if (ShowDialog(app) != 1) return;
    const std::string path = app.ui.GetText(kDialog, dialog_prop::FileName);
    // The file just written becomes the document's file, so a later Save goes
    // there and not to the original the user saved away from.
    if (WriteDocumentTo(app, path)) app.ui.SetText(kPathBox, edit_prop::Text, path);
}

void ExitCommand(App& app) {
    if (AskSaveIfModified(app) == 1) return;
    DestroyMainWindow(app);
}

bool QueryCloseMainWindow(App& app) { return AskSaveIfModified(app) != 1; }

}  // namespace tamsu
