// The network address line as text.
#pragma once

#include <string>
#include <vector>

namespace tamsu {

// Online: the second address as the external one, the first as the internal
// one; offline: the not-connected text and the first address. An address the
// list does not have is left out of the text.
std::string AddressLine(const std::vector<std::string>& addresses, bool online);

}  // namespace tamsu
