#include "app/app.h"
#include "document/file_commands.h"
#include "document/font_command.h"
#include "document/print_command.h"
#include "editing/edit_commands.h"
#include "editing/scroll_bar_rule.h"
#include "status/address_line.h"
#include "status/clock_line.h"
#include "tools/functions_menu.h"
#include "ui/menu_handlers.h"
#include "ui/title_strip.h"

namespace tamsu {

Handler HandlerFor(HandlerId id) {
    using H = HandlerId;
    switch (id) {
        case H::None: return nullptr;
        case H::MainWindowCreated: return OnMainWindowCreated;
        case H::EditTextChanged: return OnEditTextChanged;
        case H::EditRightButtonPressed: return OnEditRightButtonPressed;
        case H::SuperButton1Clicked: return OnSuperButton1Clicked;
        case H::SuperButton2Clicked: return OnSuperButton2Clicked;
        case H::SuperButton4Clicked: return OnSuperButton4Clicked;
        case H::FoldClicked: return OnFoldClicked;
        case H::UnfoldClicked: return OnUnfoldClicked;
        case H::MinimizeClicked: return OnMinimizeClicked;
        case H::CloseClicked: return ExitCommand;
        case H::ClockTick: return OnClockTick;
        case H::FileNew: return NewCommand;
        case H::FileOpen: return OpenCommand;
        case H::FileSave: return SaveCommand;
        case H::FileSaveAs: return SaveAsCommand;
        case H::FilePrint: return PrintCommand;
        case H::FileExit: return ExitCommand;
        case H::EditSelectAll: return SelectAllCommand;
        case H::EditCut: return CutCommand;
        case H::EditCopy: return CopyCommand;
        case H::EditPaste: return PasteCommand;
        case H::EditFont: return FontCommand;
        case H::EditToUpper: return ToUpperCaseCommand;
        case H::EditToLower: return ToLowerCaseCommand;
        case H::EditClear: return ClearCommand;
        case H::EditFind: return FindCommand;
        case H::EditOpenAddress: return OpenSelectedAddressCommand;
        case H::ToolsChatQQ: return ChatQQCommand;
        case H::ToolsBrowser: return OpenBrowserCommand;
        case H::ToolsShutDown: return ShutDownCommand;
        case H::ToolsRestart: return RestartCommand;
        case H::ToolsRun: return RunDocumentCommand;
        case H::ToolsCmd: return OpenCmdCommand;
        case H::ToolsRegedit: return OpenRegistryEditorCommand;
        case H::ToolsGpedit: return OpenGroupPolicyCommand;
        case H::ToolsTaskManager: return OpenTaskManagerCommand;
    }
    return nullptr;
}

}  // namespace tamsu
