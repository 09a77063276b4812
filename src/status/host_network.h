// The machine's addresses and dial-up state, as the real services read them.
#pragma once

#include <string>
#include <vector>

namespace tamsu {

std::vector<std::string> HostAddressList();
bool IsOnline();

}  // namespace tamsu
