#include "document/print_command.h"

namespace tamsu {

void PrintCommand(App&) {}

}  // namespace tamsu
