// Property: the byte/character offset mapping never reads past the text, maps
// character starts back to themselves, and grows with the offset.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/cp936_offsets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t previousUnits = 0;
    for (size_t bytes = 0; bytes <= size + 1; ++bytes) {
        const size_t units = tamsu::Cp936BytesToUnits(text, bytes);
        if (units < previousUnits || units > size) std::abort();
        previousUnits = units;
        const size_t back = tamsu::Cp936UnitsToBytes(text, units);
        if (back > size || back < std::min(bytes, size)) std::abort();
        // A character start maps to itself.
        if (tamsu::Cp936BytesToUnits(text, back) != units) std::abort();
    }
    return 0;
}
