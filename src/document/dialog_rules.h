// How the common dialog object's properties become what the system dialogs
// take, and how their answers come back. No Windows calls here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/services.h"

namespace tamsu {

// Option bits of the file dialogs, with the system's values.
namespace file_option {
constexpr uint32_t OverwritePrompt = 0x00000002;
constexpr uint32_t HideReadOnly = 0x00000004;
constexpr uint32_t NoChangeDir = 0x00000008;
constexpr uint32_t PathMustExist = 0x00000800;
constexpr uint32_t FileMustExist = 0x00001000;
constexpr uint32_t CreatePrompt = 0x00002000;
}  // namespace file_option

// The longest start name the dialog's 260-byte name buffer holds.
constexpr size_t kMaxStartNameBytes = 259;
// The longest face name a font record keeps.
constexpr size_t kMaxFaceNameBytes = 31;

// The longest head of a code page 936 text that has at most maxBytes bytes and
// does not end inside a double-byte character.
std::string CutAtCharacter(std::string_view text, size_t maxBytes);

// "desc|pattern|..." as the system's list: trailing white space removed, "||"
// added unless already there, every "|" a NUL. Empty filter: empty list. A "|"
// byte inside a double-byte character is part of that character, not a separator.
std::string FileFilterList(std::string_view filter);

// The extension a dialog appends, from a DefaultExt such as "*.txt" or ".txt":
// "txt". Empty when none can be named.
std::string DialogDefaultExtension(std::string_view defaultExt);

// What the file dialog is asked for.
struct FileDialogProperties {
    bool save = false;
    std::string title;
    std::string fileName;
    std::string filter;
    int filterIndex = 0;  // 0-based
    std::string initialDir;
    std::string defaultExt;
    bool createPrompt = false;
    bool fileMustExist = true;
    bool overwritePrompt = true;
    bool pathMustExist = true;
    bool noChangeDir = false;
};

FileDialogRequest MakeFileDialogRequest(const FileDialogProperties& p);

// Windows' MulDiv: a * b / c rounded to the nearest whole number, halves away
// from zero; -1 when c is 0 or the result does not fit.
int MulDivRounded(int64_t a, int64_t b, int64_t c);

// The font dialog's side of the common dialog object.
struct FontProperties {
    uint32_t color = 0;
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    std::string fontName;
    int fontSize = 0;  // points
};

// The font the dialog starts from, at the screen's vertical dots per inch.
FontDialogValues FontDialogStart(const FontProperties& p, int dpiY);

// The properties a confirmed font dialog leaves.
FontProperties FontPropertiesFromChoice(const FontDialogValues& chosen, int dpiY);

}  // namespace tamsu
