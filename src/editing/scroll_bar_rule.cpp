#include "editing/scroll_bar_rule.h"

namespace tamsu {

void OnEditTextChanged(App&) {}

}  // namespace tamsu
