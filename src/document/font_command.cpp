#include "document/font_command.h"

#include "document/common_dialog.h"

namespace tamsu {

void FontCommand(App& app) {
    using namespace dialog_prop;
    constexpr ControlId kDialog = ControlId::通用对话框1;
    app.ui.SetInt(kDialog, Kind, 2);
    // A cancelled dialog leaves the editor's font and colour as they are.
    if (ShowDialog(app) != 1) return;
    FontRecord record;
    record.bold = app.ui.GetBool(kDialog, Bold);
    record.italic = app.ui.GetBool(kDialog, Italic);
    record.strikeOut = app.ui.GetBool(kDialog, StrikeOut);
    record.underline = app.ui.GetBool(kDialog, Underline);
    record.faceName = app.ui.GetText(kDialog, FontName);
    record.size = app.ui.GetInt(kDialog, FontSize);
    app.ui.SetFont(ControlId::编辑框1, edit_prop::Font, record);
    app.ui.SetInt(ControlId::编辑框1, edit_prop::TextColor, app.ui.GetInt(kDialog, Color));
}

}  // namespace tamsu
