// The text-input dialog of Find, as the real services show it.
#pragma once

#include <string>

namespace tamsu {

// Control ids of the dialog's prompt and input field (OK and Cancel are IDOK and IDCANCEL).
constexpr int kInputDialogPromptId = 100;
constexpr int kInputDialogFieldId = 101;

// True on OK, with the field's text in result; false on Cancel, result untouched.
// Modal, owned by the active window.
bool RunInputDialog(const std::string& prompt, const std::string& title, const std::string& initial,
                    std::string& result);

}  // namespace tamsu
