#include <gtest/gtest.h>

#include "status/address_text.h"
#include "status/clock_text.h"

namespace tamsu {
namespace {

struct ClockCase {
    LocalTime time;
    const char* line;
};

TEST(ClockLine, DatesWeekdaysAndTimesWithoutLeadingZeros) {
    const ClockCase cases[] = {
        // Sunday to Saturday of one week, each weekday's text.
        {{2024, 3, 3, 0, 21, 30, 0}, "现在时间是：2024年3月3日星期日21:30"},
        {{2024, 3, 4, 1, 9, 5, 0}, "现在时间是：2024年3月4日星期一9:5"},
        {{2024, 3, 5, 2, 0, 0, 0}, "现在时间是：2024年3月5日星期二0:0"},
        {{2024, 3, 6, 3, 23, 59, 59}, "现在时间是：2024年3月6日星期三23:59"},
        {{2024, 3, 7, 4, 12, 0, 0}, "现在时间是：2024年3月7日星期四12:0"},
        {{2024, 3, 8, 5, 0, 7, 0}, "现在时间是：2024年3月8日星期五0:7"},
        {{2024, 3, 9, 6, 10, 10, 0}, "现在时间是：2024年3月9日星期六10:10"},
        // Single-digit month and day, two-digit month and day.
        {{2025, 1, 1, 3, 0, 0, 0}, "现在时间是：2025年1月1日星期三0:0"},
        {{2023, 12, 31, 0, 23, 59, 0}, "现在时间是：2023年12月31日星期日23:59"},
    };
    for (const ClockCase& c : cases) EXPECT_EQ(ClockLine(c.time), c.line);
}

TEST(ClockLine, SecondsAreNotShown) {
    LocalTime t{2024, 3, 4, 1, 9, 5, 0};
    const std::string atZero = ClockLine(t);
    t.second = 59;
    EXPECT_EQ(ClockLine(t), atZero);
}

TEST(ClockLine, AWeekdayOutsideTheWeekGetsNoNumeral) {
    // Never given by the clock; the line must still not read past the numerals.
    EXPECT_EQ(ClockLine({2024, 3, 4, -1, 9, 5, 0}), "现在时间是：2024年3月4日星期9:5");
    EXPECT_EQ(ClockLine({2024, 3, 4, 10, 9, 5, 0}), "现在时间是：2024年3月4日星期9:5");
}

struct AddressCase {
    std::vector<std::string> addresses;
    bool online;
    const char* line;
};

TEST(AddressLine, OnlineAndOfflineWithZeroToThreeAddresses) {
    const std::string a = "192.168.1.10", b = "10.0.0.2", c = "172.16.0.9";
    const AddressCase cases[] = {
        {{}, false, "本机外网IP为空，原因是：你未连接上网。本机内网IP是："},
        {{a}, false, "本机外网IP为空，原因是：你未连接上网。本机内网IP是：192.168.1.10"},
        {{a, b}, false, "本机外网IP为空，原因是：你未连接上网。本机内网IP是：192.168.1.10"},
        {{a, b, c}, false, "本机外网IP为空，原因是：你未连接上网。本机内网IP是：192.168.1.10"},
        {{}, true, "  本机外网IP是：       本机内网IP是："},
        {{a}, true, "  本机外网IP是：       本机内网IP是：192.168.1.10"},
        {{a, b}, true, "  本机外网IP是：10.0.0.2       本机内网IP是：192.168.1.10"},
        {{a, b, c}, true, "  本机外网IP是：10.0.0.2       本机内网IP是：192.168.1.10"},
    };
    for (const AddressCase& k : cases)
        EXPECT_EQ(AddressLine(k.addresses, k.online), k.line) << k.addresses.size() << " online " << k.online;
}

}  // namespace
}  // namespace tamsu
