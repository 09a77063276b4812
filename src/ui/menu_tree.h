// The pop-up menus as data: which items a top-level entry of the layout's menu
// holds, and the command number each item carries back to its entry.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/window_layout.h"

namespace tamsu {

// Menu items carry command numbers from here on: 20000 + the entry's index.
constexpr unsigned kFirstMenuCommand = 20000;

struct PopupItem {
    std::string text;  // code page 936; a shortcut would follow a tab
    bool separator = false;
    bool grayed = false;
    bool checked = false;
    unsigned command = 0;           // kFirstMenuCommand + entry index
    std::vector<PopupItem> items;   // an entry with deeper entries under it opens a submenu
};

// The visible items under the entry at index top, in layout order: the entries
// that follow it with a deeper level, up to the next entry of its own level.
std::vector<PopupItem> PopupItems(const std::vector<MenuEntry>& menu, size_t top);

// The index of the top-level entry with that text.
std::optional<size_t> FindTopMenu(const std::vector<MenuEntry>& menu, const std::string& text);

// The entry a command number stands for; nothing when it stands for none.
std::optional<size_t> MenuEntryOfCommand(const std::vector<MenuEntry>& menu, unsigned command);

}  // namespace tamsu
