#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application.h"
#include "support/test_window.h"

namespace tamsu::test {
namespace {

std::wstring VersionString(const std::wstring& file, const wchar_t* key) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return L"<no version block>";
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return L"<unreadable>";
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + key;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return L"<missing>";
    return std::wstring(value, length ? length - 1 : 0);
}

std::wstring EditorExe() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"TamsuNotepad.exe";
}

TEST(Executable, VersionBlockNamesTheProduct) {
    const std::wstring exe = EditorExe();
    for (const wchar_t* key : {L"FileDescription", L"ProductName", L"Comments"})
        EXPECT_EQ(VersionString(exe, key), L"Tamsu记事本") << key;
    EXPECT_EQ(VersionString(exe, L"FileVersion"), L"1.0.0.0");
    EXPECT_EQ(VersionString(exe, L"ProductVersion"), L"1.0.0.0");

    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
}

TEST(Startup, AnUnreadableLayoutFailsWithItsNameAndShowsNothing) {
    WindowLayout empty;
    ScriptedServices services;
    Application application(empty, services);
    std::string failure;
    EXPECT_FALSE(application.LoadMainWindow(failure));
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(application.ui().mainWindow(), nullptr);
}

TEST(Startup, CreatedEventRunsBeforeTheWindowIsShownAndLeavesItNormal) {
    TestWindow w;
    // The created handler stores 2 then 0 while invisible: shown normal, never minimised.
    EXPECT_EQ(w.ui().GetInt(ControlId::MainWindow, window_prop::WindowState), 0);
    EXPECT_FALSE(IsIconic(w.ui().mainWindow()));
    EXPECT_TRUE(IsWindowVisible(w.ui().mainWindow()));
}

TEST(Startup, DestroyMainWindowWaitsForTheLoopAndSendsNoClose) {
    TestWindow w;
    HWND main = w.ui().mainWindow();
    DestroyMainWindow(w.app());
    // The calling handler finishes first: the window is still there.
    EXPECT_TRUE(IsWindow(main));
    EXPECT_TRUE(w.application().loaded());
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, main, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
    w.Pump();
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(w.application().loaded());
}

TEST(Startup, TheLoopEndsWithExitCodeZeroWhenTheWindowGoes) {
    TestWindow w;
    DestroyMainWindow(w.app());
    EXPECT_EQ(w.application().RunMessageLoop(), 0);
}

}  // namespace
}  // namespace tamsu::test
