// Property: the offset mapping worked from UTF-16 lands on the same places as
// a walk one character at a time, resumes to the same place from an earlier
// one, and agrees with the byte length of the whole text. The input is taken
// as UTF-16 units (surrogate halves and pairs included); the conversion is a
// stand-in that, like code page 936, converts one character at a time.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ui/cp936_offsets.h"

namespace {

bool High(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool Low(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

size_t Convert(std::u16string_view text, std::string* into) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u >= 0x4E00 && u <= 0x9FA5) {
            out += static_cast<char>(0x81 + ((u >> 6) % 0x7E));
            out += static_cast<char>(0x40 + (u & 0x3F));
        } else if (High(u) && i + 1 < text.size() && Low(text[i + 1])) {
            out += (u & 1) ? "?" : "??";  // either way a conversion may treat a pair
            ++i;
        } else {
            out += '?';
        }
    }
    if (into) *into = out;
    return out.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    const std::u16string_view view(text);
    // Character starts, one character at a time.
    std::vector<tamsu::Cp936Place> starts{{0, 0}};
    for (size_t u = 0; u < text.size();) {
        const size_t n = (u + 1 < text.size() && High(text[u]) && Low(text[u + 1])) ? 2 : 1;
        const size_t bytes = Convert(view.substr(u, n), nullptr);
        u += n;
        starts.push_back({u, starts.back().bytes + bytes});
    }
    const size_t total = starts.back().bytes;
    if (tamsu::Cp936ByteLength(view, Convert) != total) std::abort();
    const size_t step = total < 64 ? 1 : total / 29 + 1;
    size_t next = 0;
    for (size_t offset = 0; offset <= total + 1; offset += step) {
        while (next + 1 < starts.size() && starts[next].bytes < offset) ++next;
        const tamsu::Cp936Place got = tamsu::Cp936PlaceAtByte(view, offset, Convert);
        if (got.units != starts[next].units || got.bytes != starts[next].bytes) std::abort();
        const tamsu::Cp936Place resumed = tamsu::Cp936PlaceAtByte(view, offset, Convert, starts[next / 2]);
        if (resumed.units != got.units || resumed.bytes != got.bytes) std::abort();
    }
    return 0;
}
