// Properties: a text survives bytes and back unchanged; bytes come back as a
// text only up to their first NUL, never longer, never past the input.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/text_transfer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = tamsu::BytesToText(bytes);
    const size_t nul = bytes.find('\0');
    const size_t expected = nul == std::string_view::npos ? size : nul;
    if (text.size() != expected || text != bytes.substr(0, expected)) std::abort();
    if (tamsu::HasNulByte(bytes) != (nul != std::string_view::npos)) std::abort();
    // A text holds no NUL, so the round trip is exact.
    if (tamsu::BytesToText(tamsu::TextToBytes(text)) != text) std::abort();
    if (tamsu::TextToBytes(text) != text) std::abort();
    return 0;
}
