#include "status/clock_line.h"

#include "status/clock_text.h"

namespace tamsu {

constexpr int kClockPeriod = 1000;

void OnClockTick(App& app) {
    // The layout starts the timer at 100 ms so the line appears at once; from
    // the first tick on it runs every second. Later writes of the same value
    // leave the timer running undisturbed.
    app.ui.SetInt(ControlId::时钟1, timer_prop::Interval, kClockPeriod);
    app.ui.SetText(ControlId::透明标签1, label_prop::Text, ClockLine(app.services.Now()));
}

}  // namespace tamsu
