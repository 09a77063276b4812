// Mapping between byte offsets of a code page 936 text and the character
// offsets of the UTF-16 edit control. Every character of such a text is one
// UTF-16 unit: a byte of 0x81 or above starts a two-byte character, any other
// byte is a character of its own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace tamsu {

// Number of characters that start before byteOffset (a character cut by the
// offset counts as included). byteOffset beyond the end counts the whole text.
size_t Cp936BytesToUnits(std::string_view text, size_t byteOffset);

// Byte offset of the character with index units (the byte length when units
// is at or past the end).
size_t Cp936UnitsToBytes(std::string_view text, size_t units);

// The same mapping worked from the UTF-16 text the edit control holds, so that
// a long document is not converted whole to find one offset.
// convert(piece, out) gives the byte length of the code page 936 form of a
// piece of UTF-16 text and, unless out is null, puts that form into out (the
// program's conversion unit). A character outside code page 936 converts to
// one '?'; a surrogate pair to whatever convert makes of it, and takes two units.

// A point of the text as a UTF-16 offset and as a byte offset of its CP936 form.
struct Cp936Place {
    size_t units = 0;
    size_t bytes = 0;
};

namespace cp936_detail {

constexpr size_t kPieceUnits = size_t{1} << 15;

inline bool IsHighSurrogate(unsigned u) { return u >= 0xD800 && u <= 0xDBFF; }
inline bool IsLowSurrogate(unsigned u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The length of the piece of text that starts at `at`; a piece never ends
// between the two halves of a surrogate pair.
template <typename Unit>
size_t PieceLength(std::basic_string_view<Unit> text, size_t at) {
    size_t n = std::min(kPieceUnits, text.size() - at);
    if (at + n < text.size() && IsHighSurrogate(text[at + n - 1]) && IsLowSurrogate(text[at + n])) ++n;
    return n;
}

}  // namespace cp936_detail

// The byte length of the CP936 form of text.
template <typename Unit, typename Convert>
size_t Cp936ByteLength(std::basic_string_view<Unit> text, Convert&& convert) {
    size_t total = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t n = cp936_detail::PieceLength(text, at);
        total += convert(text.substr(at, n), static_cast<std::string*>(nullptr));
        at += n;
    }
    return total;
}

// The place just after the characters that start before byteOffset (a
// character cut by the offset counts as included; an offset beyond the end
// gives the end). The walk starts at `from`, which must be a character start
// at or before the offset; only the text from there up to the offset is converted.
template <typename Unit, typename Convert>
Cp936Place Cp936PlaceAtByte(std::basic_string_view<Unit> text, size_t byteOffset, Convert&& convert,
                            Cp936Place from = {}) {
    std::string bytes;
    Cp936Place place = from;
    while (place.bytes < byteOffset && place.units < text.size()) {
        const size_t n = cp936_detail::PieceLength(text, place.units);
        const std::basic_string_view<Unit> piece = text.substr(place.units, n);
        const size_t length = convert(piece, static_cast<std::string*>(nullptr));
        if (place.bytes + length <= byteOffset) {  // every character of the piece starts before it
            place.units += n;
            place.bytes += length;
            continue;
        }
        convert(piece, &bytes);
        // The offset lies in this piece: step over its characters one by one.
        size_t u = 0, b = 0;
        while (place.bytes + b < byteOffset && u < n && b < bytes.size()) {
            if (u + 1 < n && cp936_detail::IsHighSurrogate(piece[u]) && cp936_detail::IsLowSurrogate(piece[u + 1])) {
                u += 2;
                b += convert(piece.substr(u - 2, 2), static_cast<std::string*>(nullptr));
            } else {
                const auto lead = static_cast<unsigned char>(bytes[b]);
                b += (lead >= 0x81 && b + 1 < bytes.size()) ? 2 : 1;
                u += 1;
            }
        }
        place.units += u;
        place.bytes += b;
        break;
    }
    return place;
}

}  // namespace tamsu
