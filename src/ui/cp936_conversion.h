// The one place where code page 936 bytes and UTF-16 meet.
#pragma once

#include <string>
#include <string_view>

namespace tamsu {

std::wstring Cp936ToWide(std::string_view text);
std::string WideToCp936(std::wstring_view text);
// The same into out, reusing its storage (for converting piece by piece).
void WideToCp936(std::wstring_view text, std::string& out);
// The byte length of WideToCp936(text), without making it.
size_t Cp936Length(std::wstring_view text);

// True when every character of text survives the trip to code page 936.
bool FitsCp936(std::wstring_view text);

}  // namespace tamsu
