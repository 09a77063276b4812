#include "document/long_path.h"

#include <gtest/gtest.h>

namespace tamsu {
namespace {

TEST(LongPathForm, PrefixesFullPathsOnceAndLeavesTheRest) {
    struct Case {
        const wchar_t* path;
        const wchar_t* form;
    };
    const Case cases[] = {
        {L"C:\\dir\\f.txt", L"\\\\?\\C:\\dir\\f.txt"},
        {L"z:\\f", L"\\\\?\\z:\\f"},
        {L"C:\\", L"\\\\?\\C:\\"},
        {L"\\\\server\\share\\dir\\f.txt", L"\\\\?\\UNC\\server\\share\\dir\\f.txt"},
        // Already in a namespace: a second prefix would name another file.
        {L"\\\\?\\C:\\dir\\f.txt", L"\\\\?\\C:\\dir\\f.txt"},
        {L"\\\\?\\UNC\\server\\share\\f", L"\\\\?\\UNC\\server\\share\\f"},
        {L"\\\\.\\COM1", L"\\\\.\\COM1"},
        {L"\\??\\C:\\f", L"\\??\\C:\\f"},
        // Not full paths: nothing to anchor a prefix to.
        {L"f.txt", L"f.txt"},
        {L"C:f.txt", L"C:f.txt"},
        {L"\\dir\\f.txt", L"\\dir\\f.txt"},
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(LongPathForm(c.path), c.form) << c.path;
}

TEST(LongPathForm, KeepsEveryCharacterOfALongPath) {
    std::wstring path = L"D:";
    while (path.size() < 40000) path += L"\\\u4E2D\u6587" + std::wstring(120, L'd');
    EXPECT_EQ(LongPathForm(path), L"\\\\?\\" + path);
}

}  // namespace
}  // namespace tamsu
