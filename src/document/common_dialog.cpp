#include "document/common_dialog.h"

#include <windows.h>

#include "document/dialog_rules.h"

namespace tamsu {
namespace {

constexpr ControlId kDialog = ControlId::通用对话框1;

int ScreenDpiY() {
    HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

int ShowFileDialog(App& app, bool save) {
    using namespace dialog_prop;
    ControlModel& ui = app.ui;
    FileDialogProperties p;
    p.save = save;
    p.title = ui.GetText(kDialog, Title);
    p.fileName = ui.GetText(kDialog, FileName);
    p.filter = ui.GetText(kDialog, Filter);
    p.filterIndex = ui.GetInt(kDialog, FilterIndex);
    p.initialDir = ui.GetText(kDialog, InitialDir);
    p.defaultExt = ui.GetText(kDialog, DefaultExt);
    p.createPrompt = ui.GetBool(kDialog, CreatePrompt);
    p.fileMustExist = ui.GetBool(kDialog, FileMustExist);
    p.overwritePrompt = ui.GetBool(kDialog, OverwritePrompt);
    p.pathMustExist = ui.GetBool(kDialog, PathMustExist);
    p.noChangeDir = ui.GetBool(kDialog, NoChangeDir);
    std::string chosen;
    if (!app.services.ShowFileDialog(MakeFileDialogRequest(p), chosen) || chosen.empty()) return 0;
    ui.SetText(kDialog, FileName, chosen);
    return 1;
}

int ShowFontDialog(App& app) {
    using namespace dialog_prop;
    ControlModel& ui = app.ui;
    FontProperties p;
    p.color = static_cast<uint32_t>(ui.GetInt(kDialog, Color));
    p.bold = ui.GetBool(kDialog, Bold);
    p.italic = ui.GetBool(kDialog, Italic);
    p.strikeOut = ui.GetBool(kDialog, StrikeOut);
    p.underline = ui.GetBool(kDialog, Underline);
    p.fontName = ui.GetText(kDialog, FontName);
    p.fontSize = ui.GetInt(kDialog, FontSize);
    const int dpi = ScreenDpiY();
    FontDialogValues values = FontDialogStart(p, dpi);
    if (!app.services.ShowFontDialog(values)) return 0;
    const FontProperties chosen = FontPropertiesFromChoice(values, dpi);
    ui.SetInt(kDialog, Color, static_cast<int>(chosen.color));
    ui.SetBool(kDialog, Bold, chosen.bold);
    ui.SetBool(kDialog, Italic, chosen.italic);
    ui.SetBool(kDialog, StrikeOut, chosen.strikeOut);
    ui.SetBool(kDialog, Underline, chosen.underline);
    ui.SetText(kDialog, FontName, chosen.fontName);
    ui.SetInt(kDialog, FontSize, chosen.fontSize);
    return 1;
}

}  // namespace

int ShowDialog(App& app) {
    switch (app.ui.GetInt(kDialog, dialog_prop::Kind)) {
        case 0: return ShowFileDialog(app, false);
        case 1: return ShowFileDialog(app, true);
        case 2: return ShowFontDialog(app);
        default: return 0;
    }
}

}  // namespace tamsu
