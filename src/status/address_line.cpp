#include "status/address_line.h"

namespace tamsu {

void WriteAddressLine(App&) {}

}  // namespace tamsu
