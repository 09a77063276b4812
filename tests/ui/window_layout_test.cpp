#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace tamsu {
namespace {

TEST(WindowLayout, HoldsEveryControlOnceInStackingOrder) {
    const auto& layout = MainWindowLayout();
    ASSERT_EQ(layout.controls.size(), 19u);
    EXPECT_EQ(layout.controls.front().id, ControlId::超级链接框1);
    EXPECT_EQ(layout.controls.back().id, ControlId::编辑框1);
    std::set<ControlId> ids;
    for (const auto& c : layout.controls) ids.insert(c.id);
    EXPECT_EQ(ids.size(), layout.controls.size());
    EXPECT_EQ(layout.window.width, 660);
    EXPECT_EQ(layout.window.height, 483);
}

TEST(WindowLayout, DocumentBoxAsLaidOut) {
    const ControlLayout* edit = FindControl(MainWindowLayout(), ControlId::编辑框1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->x, 0);
    EXPECT_EQ(edit->y, 24);
    EXPECT_EQ(edit->width, 662);
    EXPECT_EQ(edit->height, 439);
    EXPECT_TRUE(edit->edit.multiLine);
    EXPECT_FALSE(edit->edit.hideSelection);
    EXPECT_EQ(edit->edit.backColor, 0xDEDECD);
    EXPECT_EQ(edit->edit.font.faceName, "宋体-PUA");
    EXPECT_EQ(edit->events.size(), 2u);
}

TEST(WindowLayout, MenusAreHiddenTopLevelEntriesWithTheirItems) {
    const auto& menu = MainWindowLayout().menu;
    int topLevel = 0, items = 0;
    for (const auto& e : menu) {
        if (e.level == 0) {
            ++topLevel;
            EXPECT_TRUE(e.hidden);
        } else {
            ++items;
        }
    }
    EXPECT_EQ(topLevel, 3);
    EXPECT_EQ(items, 6 + 13 + 11);
}

}  // namespace
}  // namespace tamsu
