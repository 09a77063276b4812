#include "ui/menu_tree.h"

#include <gtest/gtest.h>

namespace tamsu {
namespace {

// Texts of the items, "-" for separators, and their commands.
std::string Describe(const std::vector<PopupItem>& items) {
    std::string out;
    for (const auto& item : items) {
        if (!out.empty()) out += " ";
        out += item.text + "=" + std::to_string(item.command);
        if (item.grayed) out += "g";
        if (item.checked) out += "c";
        if (!item.items.empty()) out += "[" + Describe(item.items) + "]";
    }
    return out;
}

TEST(MenuTree, TheThreeMenusHoldTheirItemsWithCommandsMappedBackToEntries) {
    const auto& menu = MainWindowLayout().menu;
    struct Case {
        const char* top;
        size_t index;
        const char* items;
    } cases[] = {
        {"文件", 0, "新建=20001 打开=20002 保存=20003 另存为=20004 打印=20005 退出=20006"},
        {"编辑", 7,
         "全选=20008 -=20009 剪切=20010 复制=20011 粘贴=20012 字体=20013 小写转大写=20014 大写转小写=20015 "
         "-=20016 清空=20017 查找=20018 -=20019 打开网址=20020"},
        {"功能", 21,
         "聊QQ=20022 打开浏览器=20023 -=20024 关机=20025 重启=20026 -=20027 运行=20028 打开CMD=20029 "
         "打开注册表=20030 打开组策略=20031 打开任务管理器=20032"},
    };
    for (const auto& c : cases) {
        const auto top = FindTopMenu(menu, c.top);
        ASSERT_TRUE(top.has_value()) << c.top;
        EXPECT_EQ(*top, c.index);
        const auto items = PopupItems(menu, *top);
        EXPECT_EQ(Describe(items), c.items);
        for (const auto& item : items) {
            EXPECT_EQ(item.separator, item.text == "-");
            // The window finds the entry again by subtracting the first number.
            const auto entry = MenuEntryOfCommand(menu, item.command);
            ASSERT_TRUE(entry.has_value());
            EXPECT_EQ(menu[*entry].text, item.text);
        }
    }
    EXPECT_FALSE(FindTopMenu(menu, "新建").has_value()) << "an item is not a top-level menu";
    EXPECT_FALSE(FindTopMenu(menu, "帮助").has_value());
}

TEST(MenuTree, HiddenGreyedCheckedNestedAndEmptyEntries) {
    using H = HandlerId;
    const std::vector<MenuEntry> menu = {
        {"A", 0, true, false, false, H::None},      // 0
        {"a1", 1, false, true, false, H::None},     // 1 greyed
        {"a2", 1, true, false, false, H::None},     // 2 hidden, with its child
        {"a2x", 2, false, false, false, H::None},   // 3
        {"a3", 1, false, false, true, H::None},     // 4 checked, opens a submenu
        {"a3x", 2, false, false, false, H::None},   // 5
        {"-", 2, false, false, false, H::None},     // 6
        {"a4", 1, false, false, false, H::None},    // 7
        {"B", 0, false, false, false, H::None},     // 8 no items
        {"C", 0, false, false, false, H::None},     // 9 last entry
    };
    EXPECT_EQ(Describe(PopupItems(menu, 0)), "a1=20001g a3=20004c[a3x=20005 -=20006] a4=20007");
    EXPECT_TRUE(PopupItems(menu, 8).empty());
    EXPECT_TRUE(PopupItems(menu, 9).empty());
    EXPECT_TRUE(PopupItems(menu, 42).empty());
}

TEST(MenuTree, CommandNumbersOutsideTheEntriesMapToNothing) {
    const auto& menu = MainWindowLayout().menu;
    struct Case {
        unsigned command;
        bool maps;
    } cases[] = {{0, false}, {19999, false}, {20000, true}, {20032, true}, {20033, false}, {65535, false}};
    for (const auto& c : cases) EXPECT_EQ(MenuEntryOfCommand(menu, c.command).has_value(), c.maps) << c.command;
}

}  // namespace
}  // namespace tamsu
