// Properties of the file-type list handed to the system dialog: it ends with
// the empty string (two NULs) unless empty, holds no "|" outside double-byte
// characters (lead bytes 0x81 to 0xFE), and keeps every other byte of the
// filter in order.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/dialog_rules.h"

namespace {
bool IsLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view filter(reinterpret_cast<const char*>(data), size);
    filter = filter.substr(0, std::min(filter.find('\0'), filter.size()));
    const std::string list = tamsu::FileFilterList(filter);
    if (list.empty()) return 0;
    if (list.size() < 2 || list[list.size() - 1] != '\0' || list[list.size() - 2] != '\0') std::abort();
    // Separators all became NULs: no "|" starts a character in the list.
    for (size_t at = 0; at < list.size(); ++at) {
        const auto b = static_cast<unsigned char>(list[at]);
        if (b == '|') std::abort();
        if (IsLead(b)) ++at;
    }
    // Apart from separators, the list is the filter's own bytes in order.
    std::string kept;
    for (char c : list)
        if (c != '\0') kept += c;
    std::string original;
    for (size_t at = 0; at < filter.size(); ++at) {
        const auto b = static_cast<unsigned char>(filter[at]);
        if (IsLead(b) && at + 1 < filter.size()) {
            original += filter.substr(at, 2);
            ++at;
        } else if (b != '|') {
            original += filter[at];
        }
    }
    if (original.compare(0, kept.size(), kept) != 0) std::abort();
    return 0;
}
