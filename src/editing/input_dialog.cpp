#include "editing/input_dialog.h"

namespace tamsu {

bool RunInputDialog(const std::string&, const std::string&, const std::string&, std::string&) { return false; }

}  // namespace tamsu
