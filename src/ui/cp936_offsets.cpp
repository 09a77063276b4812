#include "ui/cp936_offsets.h"

namespace tamsu {
namespace {

size_t CharLength(std::string_view text, size_t at) {
    const auto b = static_cast<unsigned char>(text[at]);
    return (b >= 0x81 && at + 1 < text.size()) ? 2 : 1;
}

}  // namespace

size_t Cp936BytesToUnits(std::string_view text, size_t byteOffset) {
    size_t units = 0;
    for (size_t at = 0; at < text.size() && at < byteOffset; at += CharLength(text, at)) ++units;
    return units;
}

size_t Cp936UnitsToBytes(std::string_view text, size_t units) {
    size_t at = 0;
    for (size_t n = 0; n < units && at < text.size(); ++n) at += CharLength(text, at);
    return at;
}

}  // namespace tamsu
