#include "document/font_command.h"

#include <gtest/gtest.h>

#include "document/common_dialog.h"
#include "document/dialog_rules.h"
#include "support/test_window.h"

namespace tamsu::test {
namespace {

int DpiY() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

LOGFONTW EditorFont(TestWindow& w) {
    LOGFONTW lf{};
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(w.edit(), WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof lf, &lf);
    return lf;
}

FontDialogValues Choice(int points, int weight, bool italic, bool underline, bool strikeOut, const std::string& face,
                        uint32_t color) {
    FontDialogValues v;
    v.height = -MulDiv(points, DpiY(), 72);
    v.weight = weight;
    v.italic = italic;
    v.underline = underline;
    v.strikeOut = strikeOut;
    v.faceName = face;
    v.color = color;
    return v;
}

TEST(FontCommand, ACancelledDialogChangesNothing) {
    TestWindow w;
    const LOGFONTW before = EditorFont(w);
    const int colorBefore = w.ui().GetInt(ControlId::编辑框1, edit_prop::TextColor);
    FontCommand(w.app());
    ASSERT_EQ(w.services.fontRequests.size(), 1u);
    // The first dialog of a run starts from the object's initial values.
    const FontDialogValues& start = w.services.fontRequests[0];
    EXPECT_EQ(start.height, 0);
    EXPECT_EQ(start.weight, 0);
    EXPECT_EQ(start.faceName, "");
    EXPECT_EQ(start.color, 0u);
    const LOGFONTW after = EditorFont(w);
    EXPECT_EQ(std::wstring(after.lfFaceName), std::wstring(before.lfFaceName));
    EXPECT_EQ(after.lfHeight, before.lfHeight);
    EXPECT_EQ(after.lfWeight, before.lfWeight);
    EXPECT_EQ(w.ui().GetInt(ControlId::编辑框1, edit_prop::TextColor), colorBefore);
}

TEST(FontCommand, TheChoiceReachesTheEditorAndStartsTheNextDialog) {
    TestWindow w;
    w.services.fontAnswers.push_back({true, Choice(12, 700, true, false, false, "黑体", 0x0000FF)});
    FontCommand(w.app());
    LOGFONTW lf = EditorFont(w);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"黑体");
    EXPECT_EQ(lf.lfHeight, -MulDiv(12, DpiY(), 72));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_FALSE(lf.lfUnderline);
    EXPECT_EQ(w.ui().GetInt(ControlId::编辑框1, edit_prop::TextColor), 0x0000FF);
    EXPECT_EQ(w.ui().GetInt(ControlId::通用对话框1, dialog_prop::FontSize), 12);

    // The next dialog starts with that choice; cancelling it keeps the editor.
    FontCommand(w.app());
    ASSERT_EQ(w.services.fontRequests.size(), 2u);
    const FontDialogValues& again = w.services.fontRequests[1];
    EXPECT_EQ(again.height, -MulDiv(12, DpiY(), 72));
    EXPECT_EQ(again.weight, 700);
    EXPECT_TRUE(again.italic);
    EXPECT_EQ(again.faceName, "黑体");
    EXPECT_EQ(again.color, 0x0000FFu);
    lf = EditorFont(w);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"黑体");
    EXPECT_EQ(w.ui().GetInt(ControlId::编辑框1, edit_prop::TextColor), 0x0000FF);
}

TEST(FontCommand, EffectsAndFaceNamesArriveAsChosen) {
    struct Case {
        bool underline, strikeOut;
        std::string face;
        std::wstring shown;
    };
    const Case cases[] = {
        {true, false, "Arial", L"Arial"},
        {false, true, "Arial", L"Arial"},
        {true, true, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE", L"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE"},  // 31 bytes
        {false, false, "", L"宋体"},
    };
    for (const Case& c : cases) {
        TestWindow w;
        w.services.fontAnswers.push_back({true, Choice(10, 400, false, c.underline, c.strikeOut, c.face, 0)});
        FontCommand(w.app());
        const LOGFONTW lf = EditorFont(w);
        EXPECT_EQ(lf.lfUnderline != 0, c.underline) << c.face;
        EXPECT_EQ(lf.lfStrikeOut != 0, c.strikeOut) << c.face;
        EXPECT_EQ(std::wstring(lf.lfFaceName), c.shown) << c.face;
        EXPECT_EQ(lf.lfWeight, 0);
    }
}

TEST(ShowDialog, FileNameChangesOnlyOnAConfirmedDialog) {
    TestWindow w;
    auto& ui = w.ui();
    ui.SetInt(ControlId::通用对话框1, dialog_prop::Kind, 1);
    w.services.fileAnswers.push_back({false, ""});
    EXPECT_EQ(ShowDialog(w.app()), 0);
    EXPECT_EQ(ui.GetText(ControlId::通用对话框1, dialog_prop::FileName), "");
    w.services.fileAnswers.push_back({true, "C:\\a.txt"});
    EXPECT_EQ(ShowDialog(w.app()), 1);
    EXPECT_EQ(ui.GetText(ControlId::通用对话框1, dialog_prop::FileName), "C:\\a.txt");
    w.services.fileAnswers.push_back({false, ""});
    EXPECT_EQ(ShowDialog(w.app()), 0);
    EXPECT_EQ(ui.GetText(ControlId::通用对话框1, dialog_prop::FileName), "C:\\a.txt");
    // Font properties too stay when the font dialog is cancelled.
    ui.SetInt(ControlId::通用对话框1, dialog_prop::Kind, 2);
    ui.SetInt(ControlId::通用对话框1, dialog_prop::FontSize, 14);
    EXPECT_EQ(ShowDialog(w.app()), 0);
    EXPECT_EQ(ui.GetInt(ControlId::通用对话框1, dialog_prop::FontSize), 14);
    // A long start name is cut to what the name buffer holds.
    ui.SetInt(ControlId::通用对话框1, dialog_prop::Kind, 0);
    ui.SetText(ControlId::通用对话框1, dialog_prop::FileName, std::string(300, 'n'));
    EXPECT_EQ(ShowDialog(w.app()), 0);
    EXPECT_EQ(w.services.fileRequests.back().fileName.size(), 259u);
}

TEST(MulDivRounded, AgreesWithTheSystem) {
    for (int a : {-100, -13, -1, 0, 1, 9, 12, 13, 72, 1000, 123456})
        for (int b : {1, 72, 96, 120, 144, -96})
            for (int c : {72, 96, 120, 7, -72}) EXPECT_EQ(MulDivRounded(a, b, c), MulDiv(a, b, c)) << a << b << c;
}

}  // namespace
}  // namespace tamsu::test
