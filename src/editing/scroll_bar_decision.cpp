#include "editing/scroll_bar_decision.h"

namespace tamsu {

int ScrollBarsForBytes(size_t bytes) { return bytes < ScrollBarThreshold ? 0 : 2; }

int ScrollBarsForUnits(size_t units) {
    if (units * 2 < ScrollBarThreshold) return 0;       // even all two-byte characters stay below
    if ((units + 1) / 2 >= ScrollBarThreshold) return 2;  // even half a byte a unit reaches it
    return -1;
}

}  // namespace tamsu
