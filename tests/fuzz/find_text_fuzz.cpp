// Properties: a found position is a character start and matches byte for
// byte; nothing is found where a plain walk over character starts finds
// nothing, and the first match is the one reported.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "editing/text_functions.h"

namespace {

// The reference: try every character start from the left.
int WalkFind(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return text.empty() ? -1 : 1;
    for (size_t at = 0; at + pattern.size() <= text.size();) {
        if (text.compare(at, pattern.size(), pattern) == 0) return static_cast<int>(at) + 1;
        at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte splits the input into pattern and text.
    const size_t split = std::min<size_t>(data[0] % 8, size - 1);
    std::string_view pattern(reinterpret_cast<const char*>(data + 1), split);
    std::string_view text(reinterpret_cast<const char*>(data + 1 + split), size - 1 - split);
    // Texts end at their first NUL.
    pattern = pattern.substr(0, std::min(pattern.find('\0'), pattern.size()));
    text = text.substr(0, std::min(text.find('\0'), text.size()));
    const int found = tamsu::FindText(text, pattern);
    if (found != WalkFind(text, pattern)) std::abort();
    if (found > 0 && text.compare(static_cast<size_t>(found - 1), pattern.size(), pattern) != 0) std::abort();
    return 0;
}
