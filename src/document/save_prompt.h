// The document's state lives in the controls: the text and its modified flag
// in 编辑框1, the current path in 编辑框2, the last chosen file in 通用对话框1.
// These routines guard that text against being thrown away unsaved.
#pragma once

#include <string>

#include "app/app.h"

namespace tamsu {

// The edit box's own modified flag (EM_GETMODIFY).
bool IsModified(App& app);

// Asks "文件已经被修改，是否保存？" when the document is modified, and saves on
// Yes. 0: the caller may go on (nothing to save, No, or saved); 1: the caller
// stops and changes nothing (Cancel, or a save that did not happen).
int AskSaveIfModified(App& app);

// When the text holds characters code page 936 cannot store, asks whether to
// save anyway; true when there are none or the user answered Yes.
bool ConfirmStorableText(App& app);

// Writes the document's text to path; a failure is shown with the system's
// reason. True when the file holds the text; written, when given, receives
// the bytes.
bool WriteDocumentTo(App& app, const std::string& path, std::string* written = nullptr);

// Shows why path could not be read.
void ShowReadFailure(App& app, const std::string& path, unsigned long error);

}  // namespace tamsu
