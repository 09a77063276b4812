#include <gtest/gtest.h>

#include "status/address_line.h"
#include "status/clock_text.h"
#include "support/test_window.h"
#include "ui/cp936_conversion.h"

namespace tamsu::test {
namespace {

// What a label shows on screen, as code page 936 bytes.
std::string Shown(TestWindow& w, ControlId label) {
    HWND hwnd = w.ui().Window(label);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return WideToCp936(text);
}

TEST(ClockLine, FirstShownAbout100MsAfterCreationThenEverySecond) {
    TestWindow w;
    // The timer runs from the window's creation, which is over by now.
    const DWORD created = GetTickCount();
    // The scripted clock: Monday 4 March 2024, 9:05.
    const std::string line = "现在时间是：2024年3月4日星期一9:5";
    bool shown = false;
    DWORD shownAt = 0;
    while (!shown && GetTickCount() - created < 2000) {
        shown = Shown(w, ControlId::透明标签1) == line;
        shownAt = GetTickCount() - created;
        if (!shown) w.PumpFor(5);
    }
    ASSERT_TRUE(shown) << "the clock line never appeared";
    EXPECT_LT(shownAt, 600u) << "the first tick waited for the long period";
    EXPECT_EQ(w.ui().GetInt(ControlId::时钟1, timer_prop::Interval), 1000);

    // The next ticks follow the clock, a second apart.
    w.services.now = {2024, 3, 10, 0, 0, 0, 0};
    w.PumpFor(400);
    EXPECT_EQ(Shown(w, ControlId::透明标签1), line) << "ticked faster than once a second";
    w.PumpFor(1000);
    EXPECT_EQ(Shown(w, ControlId::透明标签1), "现在时间是：2024年3月10日星期日0:0");
    EXPECT_EQ(w.ui().GetInt(ControlId::时钟1, timer_prop::Interval), 1000);
}

TEST(AddressLine, WrittenOnceAtCreationFromTheServices) {
    TestWindow w;  // scripted: offline, one address
    const std::string offline = "本机外网IP为空，原因是：你未连接上网。本机内网IP是：192.168.1.10";
    EXPECT_EQ(Shown(w, ControlId::透明标签2), offline);

    // Later changes of the machine do not show: the line is never refreshed.
    w.services.online = true;
    w.services.addresses = {"10.1.1.1", "8.8.4.4"};
    w.PumpFor(1300);
    EXPECT_EQ(Shown(w, ControlId::透明标签2), offline);

    // Online, the second address is the external one; a third is not shown.
    w.services.addresses = {"10.1.1.1", "8.8.4.4", "172.16.0.1"};
    WriteAddressLine(w.app());
    EXPECT_EQ(Shown(w, ControlId::透明标签2), "  本机外网IP是：8.8.4.4       本机内网IP是：10.1.1.1");

    // Online with a single address, or no address at all: nothing fails.
    w.services.addresses = {"10.1.1.1"};
    WriteAddressLine(w.app());
    EXPECT_EQ(Shown(w, ControlId::透明标签2), "  本机外网IP是：       本机内网IP是：10.1.1.1");
    w.services.addresses.clear();
    w.services.online = false;
    WriteAddressLine(w.app());
    EXPECT_EQ(Shown(w, ControlId::透明标签2), "本机外网IP为空，原因是：你未连接上网。本机内网IP是：");
}

}  // namespace
}  // namespace tamsu::test
