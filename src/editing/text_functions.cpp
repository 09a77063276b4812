#include "editing/text_functions.h"

#include <climits>

namespace tamsu {
namespace {

bool StartsTwoByteCharacter(unsigned char b) { return b >= 0x80; }

std::string ShiftLetters(std::string_view text, unsigned char first, unsigned char last, int shift) {
    std::string out(text);
    for (size_t at = 0; at < out.size(); ++at) {
        const auto b = static_cast<unsigned char>(out[at]);
        if (b >= first && b <= last) {
            out[at] = static_cast<char>(b + shift);
        } else if (StartsTwoByteCharacter(b)) {
            ++at;  // the second byte is never a letter of its own
        }
    }
    return out;
}

}  // namespace

std::string ToUpperCase(std::string_view text) { return ShiftLetters(text, 'a', 'z', -0x20); }

std::string ToLowerCase(std::string_view text) { return ShiftLetters(text, 'A', 'Z', 0x20); }

// Finds every occurrence with the library's byte search and keeps the first
// one that stands on a character start. Whether an offset q is a character
// start follows from the bytes before it: a byte below 0x80 always ends a
// character, so the run of high bytes right before q pairs up from its
// beginning, and q is a start exactly when that run has even length. The run is
// walked back no further than the last offset already known to be a start, so
// the whole search reads each byte at most a bounded number of times.
int FindText(std::string_view text, std::string_view pattern) {
    if (text.size() > static_cast<size_t>(INT_MAX)) return -1;
    if (pattern.empty()) return text.empty() ? -1 : 1;
    size_t known = 0;  // a character start at or before every candidate still to come
    size_t from = 0;
    for (;;) {
        const size_t q = text.find(pattern, from);
        if (q == std::string_view::npos) return -1;
        size_t run = 0;
        while (q - run > known && StartsTwoByteCharacter(static_cast<unsigned char>(text[q - run - 1]))) ++run;
        // From the run's beginning (a start: after a low byte, or `known`) the high bytes pair up.
        const bool startsCharacter = run % 2 == 0;
        if (startsCharacter) return static_cast<int>(q) + 1;
        // q is the second byte of a character, so q + 1 is a start.
        known = q + 1;
        from = q + 1;
    }
}

}  // namespace tamsu
