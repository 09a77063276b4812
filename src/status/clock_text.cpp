#include "status/clock_text.h"

namespace tamsu {
namespace {

// The numerals 零 to 九, two bytes each in code page 936.
constexpr char kNumerals[] = "零一二三四五六七八九";
constexpr int kNumeralBytes = 2;

std::string WeekdayText(int weekday) {
    if (weekday == 0) return "日星期日";
    std::string text = "日星期";
    // A weekday outside the week gets no numeral rather than a read past the row.
    if (weekday > 0 && weekday < 10) text.append(kNumerals + weekday * kNumeralBytes, kNumeralBytes);
    return text;
}

}  // namespace

std::string ClockLine(const LocalTime& time) {
    std::string line = "现在时间是：";
    line += std::to_string(time.year);
    line += "年";
    line += std::to_string(time.month);
    line += "月";
    line += std::to_string(time.day);
    line += WeekdayText(time.weekday);
    line += std::to_string(time.hour);
    line += ":";
    line += std::to_string(time.minute);
    return line;
}

}  // namespace tamsu
