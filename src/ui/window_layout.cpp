#include "ui/window_layout.h"

#include "resources/resource_ids.h"

namespace tamsu {
namespace {

ControlLayout Make(ControlId id, ControlKind kind, const char* name, int x, int y, int w, int h,
                   bool visible, bool takesFocus, std::vector<EventBinding> events = {}) {
    ControlLayout c{};
    c.id = id;
    c.kind = kind;
    c.name = name;
    c.x = x;
    c.y = y;
    c.width = w;
    c.height = h;
    c.visible = visible;
    c.takesFocus = takesFocus;
    c.focusOrder = 0;
    c.events = std::move(events);
    return c;
}

LayoutFont DocumentFont() {
    LayoutFont f;
    f.faceName = "宋体-PUA";
    f.height = -20;
    f.weight = 400;
    f.charSet = 134;  // GB2312
    f.outPrecision = 3;
    f.clipPrecision = 2;
    f.quality = 1;
    f.pitchAndFamily = 2;
    return f;
}

LayoutFont CreditFont() {
    LayoutFont f;
    f.faceName = "MS Gothic";
    f.height = -14;
    f.weight = 400;
    f.charSet = 0;
    return f;
}

PushButtonSettings WordButton(PictureId picture, const char* tooltip) {
    PushButtonSettings b;
    b.picture = picture;
    b.tooltip = tooltip;
    b.textColor = 0;
    b.backColor1 = 0xD8E9EC;
    b.backColor2 = 0xEBFCFF;
    return b;
}

WindowLayout BuildLayout() {
    WindowLayout l;
    l.window.width = 660;
    l.window.height = 483;
    l.window.backColor = 0;
    l.window.backPicture = IDP_BACKGROUND;
    l.window.backPictureMode = 1;
    l.window.icon = IDP_ICON48;
    l.window.windowState = 1;
    l.windowEvents = {{EventKind::Created, HandlerId::MainWindowCreated}};

    using K = ControlKind;
    using E = EventKind;
    using H = HandlerId;

    auto link = Make(ControlId::超级链接框1, K::Link, "超级链接框1", 374, 1, 74, 22, true, false);
    link.link.caption = "进入网站";
    link.link.target = "https://tamsu.example.com/";
    link.link.normalColor = 0xFF0000;
    link.link.openedColor = 0x000080;
    link.link.hoverColor = 0xC56A31;
    l.controls.push_back(link);

    auto edit2 = Make(ControlId::编辑框2, K::EditBox, "编辑框2", 192, 104, 176, 24, false, true);
    edit2.edit.borderStyle = 1;
    edit2.edit.textColor = 0;
    edit2.edit.backColor = 0xFFFFFF;
    edit2.edit.hideSelection = true;
    edit2.edit.multiLine = false;
    l.controls.push_back(edit2);

    l.controls.push_back(Make(ControlId::打印机1, K::Printer, "打印机1", 432, 216, 24, 32, false, false));
    l.controls.push_back(
        Make(ControlId::通用对话框1, K::CommonDialog, "通用对话框1", 352, 136, 48, 32, false, false));

    auto menuStyle = Make(ControlId::超级菜单1, K::MenuStyle, "超级菜单1", 352, 216, 24, 48, false, false);
    menuStyle.menuStyle.colors = {0xFFEFE3, 0xE4AE88, 0, 0, 0xF7F8F9, 0xFFFFFF};
    l.controls.push_back(menuStyle);

    auto b4 = Make(ControlId::超级按钮4, K::PicturePushButton, "超级按钮4", 104, 2, 33, 20, true, true,
                   {{E::Clicked, H::SuperButton4Clicked}});
    b4.button = WordButton(IDP_WORD_TOOLS, "打开和保存文件");
    l.controls.push_back(b4);
    auto b2 = Make(ControlId::超级按钮2, K::PicturePushButton, "超级按钮2", 64, 2, 33, 20, true, true,
                   {{E::Clicked, H::SuperButton2Clicked}});
    b2.button = WordButton(IDP_WORD_EDIT, "编辑文件");
    l.controls.push_back(b2);
    auto b1 = Make(ControlId::超级按钮1, K::PicturePushButton, "超级按钮1", 24, 2, 33, 20, true, true,
                   {{E::Clicked, H::SuperButton1Clicked}});
    b1.button = WordButton(IDP_WORD_FILE, "打开和保存文件");
    l.controls.push_back(b1);

    auto label2 = Make(ControlId::标签2, K::Label, "标签2", 169, 1, 167, 23, true, false);
    label2.label.textColor = 0xECECEC;
    label2.label.hasFont = true;
    label2.label.font = CreditFont();
    label2.label.backPicture = IDP_BAND;
    label2.label.text = "Tamsu记事本  作者：谭苏";
    l.controls.push_back(label2);

    auto label1 = Make(ControlId::标签1, K::Label, "标签1", 5, 4, 16, 16, true, false);
    label1.label.backPicture = IDP_ICON16;
    l.controls.push_back(label1);

    auto unfold = Make(ControlId::图形按钮5, K::ImageButton, "图形按钮5", 536, 0, 16, 16, false, false,
                       {{E::Clicked, H::UnfoldClicked}});
    unfold.image = {IDP_UNFOLD_NORMAL, IDP_UNFOLD_HOT};
    l.controls.push_back(unfold);
    auto fold = Make(ControlId::图形按钮4, K::ImageButton, "图形按钮4", 536, 0, 16, 16, true, false,
                     {{E::Clicked, H::FoldClicked}});
    fold.image = {IDP_FOLD_NORMAL, IDP_FOLD_HOT};
    l.controls.push_back(fold);

    auto status2 = Make(ControlId::透明标签2, K::TransparentLabel, "透明标签2", 256, 462, 464, 24, true, false);
    status2.label.textColor = 0x00FF00;
    l.controls.push_back(status2);

    auto timer = Make(ControlId::时钟1, K::Timer, "时钟1", 296, 216, 32, 32, false, false,
                      {{E::Timer, H::ClockTick}});
    timer.timer.interval = 100;
    l.controls.push_back(timer);

    auto status1 = Make(ControlId::透明标签1, K::TransparentLabel, "透明标签1", 16, 462, 232, 24, true, false);
    status1.label.textColor = 0x00FF00;
    l.controls.push_back(status1);

    auto close = Make(ControlId::关闭, K::ImageButton, "关闭", 619, 0, 42, 17, true, false,
                      {{E::Clicked, H::CloseClicked}});
    close.image = {IDP_CLOSE_NORMAL, IDP_CLOSE_HOT};
    l.controls.push_back(close);
    auto restore = Make(ControlId::图形按钮2, K::ImageButton, "图形按钮2", 593, 0, 26, 17, true, false);
    restore.image = {IDP_RESTORE, kNoPicture};
    l.controls.push_back(restore);
    auto minimize = Make(ControlId::最小化, K::ImageButton, "最小化", 564, 0, 29, 17, true, false,
                         {{E::Clicked, H::MinimizeClicked}});
    minimize.image = {IDP_MINIMIZE_NORMAL, IDP_MINIMIZE_HOT};
    l.controls.push_back(minimize);

    auto edit1 = Make(ControlId::编辑框1, K::EditBox, "编辑框1", 0, 24, 662, 439, true, true,
                      {{E::TextChanged, H::EditTextChanged}, {E::RightButtonPressed, H::EditRightButtonPressed}});
    edit1.edit.borderStyle = 1;
    edit1.edit.textColor = 0x008000;
    edit1.edit.backColor = 0xDEDECD;
    edit1.edit.hasFont = true;
    edit1.edit.font = DocumentFont();
    edit1.edit.hideSelection = false;
    edit1.edit.multiLine = true;
    edit1.edit.scrollBars = 0;
    l.controls.push_back(edit1);

    l.menu = {
        {"文件", 0, true, false, false, H::None},
        {"新建", 1, false, false, false, H::FileNew},
        {"打开", 1, false, false, false, H::FileOpen},
        {"保存", 1, false, false, false, H::FileSave},
        {"另存为", 1, false, false, false, H::FileSaveAs},
        {"打印", 1, false, false, false, H::FilePrint},
        {"退出", 1, false, false, false, H::FileExit},
        {"编辑", 0, true, false, false, H::None},
        {"全选", 1, false, false, false, H::EditSelectAll},
        {"-", 1, false, false, false, H::None},
        {"剪切", 1, false, false, false, H::EditCut},
        {"复制", 1, false, false, false, H::EditCopy},
        {"粘贴", 1, false, false, false, H::EditPaste},
        {"字体", 1, false, false, false, H::EditFont},
        {"小写转大写", 1, false, false, false, H::EditToUpper},
        {"大写转小写", 1, false, false, false, H::EditToLower},
        {"-", 1, false, false, false, H::None},
        {"清空", 1, false, false, false, H::EditClear},
        {"查找", 1, false, false, false, H::EditFind},
        {"-", 1, false, false, false, H::None},
        {"打开网址", 1, false, false, false, H::EditOpenAddress},
        {"功能", 0, true, false, false, H::None},
        {"聊QQ", 1, false, false, false, H::ToolsChatQQ},
        {"打开浏览器", 1, false, false, false, H::ToolsBrowser},
        {"-", 1, false, false, false, H::None},
        {"关机", 1, false, false, false, H::ToolsShutDown},
        {"重启", 1, false, false, false, H::ToolsRestart},
        {"-", 1, false, false, false, H::None},
        {"运行", 1, false, false, false, H::ToolsRun},
        {"打开CMD", 1, false, false, false, H::ToolsCmd},
        {"打开注册表", 1, false, false, false, H::ToolsRegedit},
        {"打开组策略", 1, false, false, false, H::ToolsGpedit},
        {"打开任务管理器", 1, false, false, false, H::ToolsTaskManager},
    };
    return l;
}

}  // namespace

const WindowLayout& MainWindowLayout() {
    static const WindowLayout layout = BuildLayout();
    return layout;
}

const ControlLayout* FindControl(const WindowLayout& layout, ControlId id) {
    for (const auto& c : layout.controls) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

}  // namespace tamsu
