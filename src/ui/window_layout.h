// The window layout as data: every control of MainWindow with its kind, place,
// size, flags, bound events and the kind's settings. Read once at start; the
// window and its controls are created from it, never by hand-written calls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "ui/font_record.h"

namespace tamsu {

enum class ControlKind {
    MainWindow,
    EditBox,
    Label,
    TransparentLabel,
    PicturePushButton,
    ImageButton,
    Link,
    Timer,
    CommonDialog,
    Printer,
    MenuStyle,
};

enum class EventKind {
    Created,
    TextChanged,
    RightButtonPressed,
    Clicked,
    Timer,
};

// Every handler a layout entry can name. The table that maps them to code
// lives in the application layer, so this file stays free of Windows.
enum class HandlerId {
    None,
    MainWindowCreated,
    EditTextChanged,
    EditRightButtonPressed,
    SuperButton1Clicked,
    SuperButton2Clicked,
    SuperButton4Clicked,
    FoldClicked,
    UnfoldClicked,
    MinimizeClicked,
    CloseClicked,
    ClockTick,
    // menu commands
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FilePrint,
    FileExit,
    EditSelectAll,
    EditCut,
    EditCopy,
    EditPaste,
    EditFont,
    EditToUpper,
    EditToLower,
    EditClear,
    EditFind,
    EditOpenAddress,
    ToolsChatQQ,
    ToolsBrowser,
    ToolsShutDown,
    ToolsRestart,
    ToolsRun,
    ToolsCmd,
    ToolsRegedit,
    ToolsGpedit,
    ToolsTaskManager,
};

struct EventBinding {
    EventKind event;
    HandlerId handler;
};

// Pictures are resources of the executable, named by resource id.
using PictureId = int;
constexpr PictureId kNoPicture = 0;

struct EditBoxSettings {
    int borderStyle = 0;      // 0..5
    int32_t textColor = 0;    // COLORREF
    int32_t backColor = 0xFFFFFF;
    bool hasFont = false;     // false: DEFAULT_GUI_FONT
    LayoutFont font;
    bool hideSelection = true;
    int maxLength = 0;
    bool multiLine = false;
    int scrollBars = 0;
};

struct LabelSettings {
    int32_t textColor = 0;
    bool hasFont = false;
    LayoutFont font;
    PictureId backPicture = kNoPicture;
    std::string text;
};

struct PushButtonSettings {
    PictureId picture = kNoPicture;
    std::string tooltip;
    int32_t textColor = 0;
    int32_t backColor1 = 0;
    int32_t backColor2 = 0;
};

struct ImageButtonSettings {
    PictureId normal = kNoPicture;
    PictureId hot = kNoPicture;
};

struct LinkSettings {
    std::string caption;
    std::string target;
    int32_t normalColor = 0;
    int32_t openedColor = 0;
    int32_t hoverColor = 0;
};

struct TimerSettings {
    int interval = 0;
};

struct MenuStyleSettings {
    std::array<int32_t, 6> colors{};
};

struct MainWindowSettings {
    int width = 0;
    int height = 0;
    int32_t backColor = 0;
    PictureId backPicture = kNoPicture;
    int backPictureMode = 0;  // 1: tiled
    PictureId icon = kNoPicture;
    int windowState = 0;
};

struct ControlLayout {
    ControlId id;
    ControlKind kind;
    const char* name;  // code page 936
    int x, y, width, height;
    bool visible;
    bool takesFocus;
    int focusOrder;
    std::vector<EventBinding> events;
    EditBoxSettings edit;
    LabelSettings label;
    PushButtonSettings button;
    ImageButtonSettings image;
    LinkSettings link;
    TimerSettings timer;
    MenuStyleSettings menuStyle;
};

struct MenuEntry {
    const char* text;  // code page 936; "-" is a separator
    int level;
    bool hidden;
    bool disabled;
    bool checked;
    HandlerId handler;
};

struct WindowLayout {
    MainWindowSettings window;
    std::vector<EventBinding> windowEvents;
    std::vector<ControlLayout> controls;  // layout order: first is on top
    std::vector<MenuEntry> menu;
};

// Returns the editor's layout. Empty controls mean the layout could not be read.
const WindowLayout& MainWindowLayout();

// Looks a control up by id; nullptr when the layout has no such control.
const ControlLayout* FindControl(const WindowLayout& layout, ControlId id);

}  // namespace tamsu
