#include "document/font_command.h"

namespace tamsu {

void FontCommand(App&) {}

}  // namespace tamsu
