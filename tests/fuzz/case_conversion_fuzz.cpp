// Properties: conversion keeps the length, changes only single-byte letters
// that begin a character, never the second byte of a two-byte character, and
// the two directions agree with each other.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "editing/text_functions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    // A text ends at its first NUL.
    text = text.substr(0, std::min(text.find('\0'), size));
    const std::string upper = tamsu::ToUpperCase(text);
    const std::string lower = tamsu::ToLowerCase(text);
    const size_t length = text.size();
    if (upper.size() != length || lower.size() != length) std::abort();
    for (size_t at = 0; at < length; ++at) {
        const auto b = static_cast<unsigned char>(text[at]);
        const auto u = static_cast<unsigned char>(upper[at]);
        const auto l = static_cast<unsigned char>(lower[at]);
        if (b >= 0x80) {
            // A lead byte and its second byte pass through untouched.
            if (u != b || l != b) std::abort();
            if (at + 1 < length) {
                ++at;
                if (upper[at] != text[at] || lower[at] != text[at]) std::abort();
            }
            continue;
        }
        const bool isLower = b >= 'a' && b <= 'z';
        const bool isUpper = b >= 'A' && b <= 'Z';
        if (u != (isLower ? b - 0x20 : b)) std::abort();
        if (l != (isUpper ? b + 0x20 : b)) std::abort();
    }
    if (tamsu::ToUpperCase(lower) != upper || tamsu::ToLowerCase(upper) != lower) std::abort();
    return 0;
}
