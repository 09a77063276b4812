// The clock line as text, built from a local date and time.
#pragma once

#include <string>

#include "app/services.h"

namespace tamsu {

// "现在时间是：" year 年 month 月 day, the weekday, hour ":" minute; numbers
// without leading zeros, e.g. 现在时间是：2024年3月4日星期一9:5.
std::string ClockLine(const LocalTime& time);

}  // namespace tamsu
