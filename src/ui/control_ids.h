// The controls of MainWindow, by the names the program uses for them.
#pragma once

namespace tamsu {

enum class ControlId {
    MainWindow,
    超级链接框1,
    编辑框2,
    打印机1,
    通用对话框1,
    超级菜单1,
    超级按钮4,
    超级按钮2,
    超级按钮1,
    标签2,
    标签1,
    图形按钮5,
    图形按钮4,
    透明标签2,
    时钟1,
    透明标签1,
    关闭,
    图形按钮2,
    最小化,
    编辑框1,
};

// Property numbers shared by every control.
namespace prop {
constexpr int Left = 0;
constexpr int Top = 1;
constexpr int Width = 2;
constexpr int Height = 3;
constexpr int Tag = 4;
constexpr int Visible = 5;
constexpr int Disabled = 6;
constexpr int MouseCursor = 7;
}  // namespace prop

namespace edit_prop {
constexpr int Text = 8;
constexpr int BorderStyle = 9;
constexpr int TextColor = 10;
constexpr int BackColor = 11;
constexpr int Font = 12;
constexpr int HideSelection = 13;
constexpr int MaxLength = 14;
constexpr int MultiLine = 15;
constexpr int ScrollBars = 16;
constexpr int SelStart = 24;
constexpr int SelLength = 25;
constexpr int SelText = 26;
}  // namespace edit_prop

namespace window_prop {
constexpr int Caption = 8;
constexpr int WindowState = 18;
}  // namespace window_prop

namespace label_prop {
constexpr int Text = 8;
}

namespace timer_prop {
constexpr int Interval = 8;
}

namespace dialog_prop {
constexpr int Kind = 8;
constexpr int Title = 9;
constexpr int FileName = 10;
constexpr int Filter = 11;
constexpr int FilterIndex = 12;
constexpr int InitialDir = 13;
constexpr int DefaultExt = 14;
constexpr int CreatePrompt = 15;
constexpr int FileMustExist = 16;
constexpr int OverwritePrompt = 17;
constexpr int PathMustExist = 18;
constexpr int NoChangeDir = 19;
constexpr int Color = 20;
constexpr int Bold = 21;
constexpr int Italic = 22;
constexpr int StrikeOut = 23;
constexpr int Underline = 24;
constexpr int FontName = 25;
constexpr int FontSize = 26;
}  // namespace dialog_prop

}  // namespace tamsu
