// The text-input dialog of Find, as the real services show it.
#pragma once

#include <string>

namespace tamsu {

// True on OK, with the field's text in result; false on Cancel, result untouched.
bool RunInputDialog(const std::string& prompt, const std::string& title, const std::string& initial,
                    std::string& result);

}  // namespace tamsu
