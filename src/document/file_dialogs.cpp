#include "document/file_dialogs.h"

namespace tamsu {

bool RunFileDialog(const FileDialogRequest&, std::string&) { return false; }
bool RunFontDialog(FontDialogValues&) { return false; }

}  // namespace tamsu
