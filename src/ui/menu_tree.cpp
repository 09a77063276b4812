#include "ui/menu_tree.h"

namespace tamsu {
namespace {

// Items from index first on at exactly the given level; stops at the first
// entry shallower than it. next receives the index after the last one taken.
std::vector<PopupItem> ItemsAt(const std::vector<MenuEntry>& menu, size_t first, int level, size_t& next) {
    std::vector<PopupItem> items;
    size_t i = first;
    while (i < menu.size() && menu[i].level >= level) {
        const MenuEntry& e = menu[i];
        const size_t index = i++;
        std::vector<PopupItem> children;
        if (i < menu.size() && menu[i].level > e.level) children = ItemsAt(menu, i, menu[i].level, i);
        if (e.hidden) continue;
        PopupItem item;
        item.text = e.text ? e.text : "";
        item.separator = item.text == "-";
        item.grayed = e.disabled;
        item.checked = e.checked;
        item.command = kFirstMenuCommand + static_cast<unsigned>(index);
        if (!item.separator) item.items = std::move(children);
        items.push_back(std::move(item));
    }
    next = i;
    return items;
}

}  // namespace

std::vector<PopupItem> PopupItems(const std::vector<MenuEntry>& menu, size_t top) {
    if (top + 1 >= menu.size() || menu[top + 1].level <= menu[top].level) return {};
    size_t next = 0;
    return ItemsAt(menu, top + 1, menu[top + 1].level, next);
}

std::optional<size_t> FindTopMenu(const std::vector<MenuEntry>& menu, const std::string& text) {
    for (size_t i = 0; i < menu.size(); ++i)
        if (menu[i].level == 0 && menu[i].text && text == menu[i].text) return i;
    return std::nullopt;
}

std::optional<size_t> MenuEntryOfCommand(const std::vector<MenuEntry>& menu, unsigned command) {
    if (command < kFirstMenuCommand || command - kFirstMenuCommand >= menu.size()) return std::nullopt;
    return command - kFirstMenuCommand;
}

}  // namespace tamsu
