#include "document/dialog_rules.h"

#include <climits>

namespace tamsu {
namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x81 && static_cast<unsigned char>(c) <= 0xFE; }

// Length of the character starting at `at`; a lead byte at the very end stands alone.
size_t CharLength(std::string_view text, size_t at) {
    return (IsLeadByte(text[at]) && at + 1 < text.size()) ? 2 : 1;
}

bool IsTrailingSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

}  // namespace

std::string CutAtCharacter(std::string_view text, size_t maxBytes) {
    size_t at = 0;
    while (at < text.size()) {
        const size_t next = at + CharLength(text, at);
        if (next > maxBytes) break;
        at = next;
    }
    return std::string(text.substr(0, at));
}

std::string FileFilterList(std::string_view filter) {
    while (!filter.empty() && IsTrailingSpace(filter.back())) filter.remove_suffix(1);
    if (filter.empty()) return {};
    std::string list;
    list.reserve(filter.size() + 2);
    // Which bytes are single-byte "|" characters: only those separate.
    int barsAtEnd = 0;
    for (size_t at = 0; at < filter.size();) {
        const size_t n = CharLength(filter, at);
        if (n == 1 && filter[at] == '|') {
            list += '\0';
            ++barsAtEnd;
        } else {
            list.append(filter.substr(at, n));
            barsAtEnd = 0;
        }
        at += n;
    }
    if (barsAtEnd < 2) list.append(2, '\0');
    return list;
}

std::string DialogDefaultExtension(std::string_view defaultExt) {
    while (!defaultExt.empty() && (defaultExt.front() == '*' || defaultExt.front() == '.')) defaultExt.remove_prefix(1);
    if (defaultExt.find_first_of("*?") != std::string_view::npos) return {};
    return std::string(defaultExt);
}

FileDialogRequest MakeFileDialogRequest(const FileDialogProperties& p) {
    FileDialogRequest r;
    r.save = p.save;
    r.title = p.title;
    r.fileName = CutAtCharacter(p.fileName, kMaxStartNameBytes);
    r.filterList = FileFilterList(p.filter);
    r.filterIndex = r.filterList.empty() ? 0 : (p.filterIndex < INT_MAX ? p.filterIndex + 1 : INT_MAX);
    r.initialDir = p.initialDir;
    r.defaultExt = DialogDefaultExtension(p.defaultExt);
    r.flags = file_option::HideReadOnly;
    if (p.createPrompt) r.flags |= file_option::CreatePrompt;
    if (p.fileMustExist) r.flags |= file_option::FileMustExist;
    if (p.overwritePrompt) r.flags |= file_option::OverwritePrompt;
    if (p.pathMustExist) r.flags |= file_option::PathMustExist;
    if (p.noChangeDir) r.flags |= file_option::NoChangeDir;
    return r;
}

int MulDivRounded(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return -1;
    if (c < 0) {
        a = -a;
        c = -c;
    }
    const int64_t product = a * b;  // both fit in 32 bits in every caller, so no overflow
    const int64_t result = product >= 0 ? (product + c / 2) / c : (product - c / 2) / c;
    if (result > INT_MAX || result < -INT_MAX) return -1;
    return static_cast<int>(result);
}

FontDialogValues FontDialogStart(const FontProperties& p, int dpiY) {
    FontDialogValues v;
    v.height = p.fontSize != 0 ? -MulDivRounded(p.fontSize, dpiY, 72) : 0;
    v.weight = p.bold ? 700 : 0;
    v.italic = p.italic;
    v.underline = p.underline;
    v.strikeOut = p.strikeOut;
    v.faceName = p.fontName;
    v.color = p.color;
    return v;
}

FontProperties FontPropertiesFromChoice(const FontDialogValues& chosen, int dpiY) {
    FontProperties p;
    p.color = chosen.color;
    p.bold = chosen.weight >= 700;
    p.italic = chosen.italic;
    p.strikeOut = chosen.strikeOut;
    p.underline = chosen.underline;
    p.fontName = CutAtCharacter(chosen.faceName, kMaxFaceNameBytes);
    const int64_t height = chosen.height;
    p.fontSize = MulDivRounded(height < 0 ? -height : height, 72, dpiY);
    if (p.fontSize < 0) p.fontSize = 0;
    return p;
}

}  // namespace tamsu
