#include "document/file_io.h"

#include <gtest/gtest.h>

#include <functional>

#include "document/file_fixture.h"

namespace tamsu::test {
namespace {

using namespace std::string_literals;

TEST(ReadFileBytes, ReadsTheWholeFileOrSaysWhyNot) {
    TempFolder dir;
    WriteRaw(dir.Path("bytes.txt"), "ab\0cd\r\n\n\xD6\xD0"s);
    WriteRaw(dir.Path("empty.txt"), "");
    Bytes bytes = "stale";
    DWORD error = 0;
    EXPECT_TRUE(ReadFileBytes(dir.Path("bytes.txt"), bytes, error));
    EXPECT_EQ(bytes, "ab\0cd\r\n\n\xD6\xD0"s);

    EXPECT_TRUE(ReadFileBytes(dir.Path("empty.txt"), bytes, error));
    EXPECT_EQ(bytes, "");

    EXPECT_FALSE(ReadFileBytes(dir.Path("missing.txt"), bytes, error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(ReadFileBytes("", bytes, error));
    EXPECT_NE(error, 0u);
    EXPECT_FALSE(SystemErrorText(ERROR_FILE_NOT_FOUND).empty());
}

TEST(ReadFileBytes, AFileLockedByAnotherProcessIsAFailure) {
    TempFolder dir;
    const std::string path = dir.Path("locked.txt");
    WriteRaw(path, "held");
    LockingProcess lock(path);
    Bytes bytes;
    DWORD error = 0;
    EXPECT_FALSE(ReadFileBytes(path, bytes, error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

TEST(ReadFileBytes, AFileAboveTheLimitIsRefusedBeforeItIsRead) {
    TempFolder dir;
    struct Case {
        long long length;
        bool read;
    };
    const Case cases[] = {{kMaxReadBytes, true}, {kMaxReadBytes + 1, false}, {200LL * 1024 * 1024, false}};
    for (const Case& c : cases) {
        const std::string path = dir.Path("large.txt");
        WriteSparse(path, c.length);
        Bytes bytes = "stale";
        DWORD error = 0;
        EXPECT_EQ(ReadFileBytes(path, bytes, error), c.read) << c.length;
        if (c.read) {
            EXPECT_EQ(bytes.size(), static_cast<size_t>(c.length));
        } else {
            EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_TOO_LARGE)) << c.length;
            EXPECT_EQ(bytes, "") << c.length;
        }
    }
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"large.txt"});
}

TEST(FileBytes, APathOfAnyLengthNamesExactlyThatFile) {
    struct Case {
        size_t bytes;
        bool chinese;
    };
    // MAX_PATH is 260 with the NUL: 259 is the longest plain path, the names
    // made beside the target are longer still.
    const Case cases[] = {{259, false}, {260, false}, {260, true}, {300, false}};
    for (const Case& c : cases) {
        TempFolder dir;
        LongPath lp(dir, c.bytes, c.chinese);
        ASSERT_EQ(lp.path().size(), c.bytes);
        DWORD error = 0;
        Bytes bytes;
        EXPECT_TRUE(WriteFileBytes(lp.path(), "new file", error)) << c.bytes << " " << error;
        EXPECT_TRUE(WriteFileBytes(lp.path(), "replaced", error)) << c.bytes << " " << error;
        EXPECT_EQ(ReadRaw(LongPath::Raw(lp.path())), "replaced") << c.bytes;
        EXPECT_TRUE(ReadFileBytes(lp.path(), bytes, error)) << c.bytes << " " << error;
        EXPECT_EQ(bytes, "replaced") << c.bytes;
        EXPECT_EQ(lp.Names(), std::vector<std::string>{lp.name()}) << c.bytes;
    }
}

TEST(WriteFileBytes, WritesExactlyTheBytesAndNothingElse) {
    TempFolder dir;
    const std::string fresh = dir.Path("新文件.txt");
    const std::string gbk = "第一行\nsecond\r\n\x81\x40"s;
    DWORD error = 0;
    ASSERT_TRUE(WriteFileBytes(fresh, gbk, error)) << error;
    EXPECT_EQ(ReadRaw(fresh), gbk);

    const std::string existing = dir.Path("old.txt");
    WriteRaw(existing, std::string(5000, 'o'));
    ASSERT_TRUE(WriteFileBytes(existing, "new", error)) << error;
    EXPECT_EQ(ReadRaw(existing), "new");
    ASSERT_TRUE(WriteFileBytes(existing, "", error)) << error;
    EXPECT_EQ(ReadRaw(existing), "");

    const std::string big(3 * 1024 * 1024 + 17, 'b');  // more than one chunk
    ASSERT_TRUE(WriteFileBytes(existing, big, error)) << error;
    EXPECT_EQ(ReadRaw(existing), big);
    // No temporary or backup file stays behind.
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"old.txt", "新文件.txt"}));
}

TEST(WriteFileBytes, AReplacedFileKeepsItsAttributes) {
    TempFolder dir;
    const std::string path = dir.Path("hidden.txt");
    WriteRaw(path, "former");
    ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(GetFileAttributesW(Wide(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    DWORD error = 0;
    ASSERT_TRUE(WriteFileBytes(path, "latter", error)) << error;
    EXPECT_EQ(ReadRaw(path), "latter");
    EXPECT_TRUE(GetFileAttributesW(Wide(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

int g_chunksBeforeFault = 0;
BOOL FaultyWrite(HANDLE file, const char* data, DWORD size, DWORD* written) {
    if (g_chunksBeforeFault-- > 0) return WriteFile(file, data, size, written, nullptr);
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

TEST(WriteFileBytes, AFailedWriteLeavesTheFormerFileAndNoTemporaryFile) {
    struct Case {
        const char* what;
        std::function<void(const std::string& target)> prepare;
        bool targetExists;
        bool inFolderThatDoesNotExist;
    };
    const Case cases[] = {
        {"read-only target",
         [](const std::string& t) { SetFileAttributesW(Wide(t).c_str(), FILE_ATTRIBUTE_READONLY); }, true, false},
        {"folder that does not exist", [](const std::string&) {}, false, true},
        {"disk full halfway", [](const std::string&) {
             g_chunksBeforeFault = 1;
             SetWriteChunkFunction(FaultyWrite);
         }, true, false},
        {"disk full on a new file", [](const std::string&) {
             g_chunksBeforeFault = 1;
             SetWriteChunkFunction(FaultyWrite);
         }, false, false},
    };
    const std::string former = "the former content\r\n";
    const std::string latter(2 * 1024 * 1024 + 3, 'L');  // two chunks and a bit
    for (const Case& c : cases) {
        TempFolder dir;
        const std::string target = c.inFolderThatDoesNotExist ? dir.Path("nowhere\\t.txt") : dir.Path("t.txt");
        if (c.targetExists) WriteRaw(target, former);
        c.prepare(target);
        const std::vector<std::string> before = dir.Names();
        DWORD error = 0;
        EXPECT_FALSE(WriteFileBytes(target, latter, error)) << c.what;
        SetWriteChunkFunction(nullptr);
        EXPECT_NE(error, 0u) << c.what;
        EXPECT_EQ(ReadRaw(target), c.targetExists ? former : "<missing>") << c.what;
        EXPECT_EQ(dir.Names(), before) << c.what;
    }
}

TEST(WriteFileBytes, AFileLockedByAnotherProcessIsLeftAlone) {
    TempFolder dir;
    const std::string path = dir.Path("locked.txt");
    WriteRaw(path, "held");
    {
        LockingProcess lock(path);
        DWORD error = 0;
        EXPECT_FALSE(WriteFileBytes(path, "overwritten", error));
        EXPECT_NE(error, 0u);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"locked.txt"});
    }
    EXPECT_EQ(ReadRaw(path), "held");
}

}  // namespace
}  // namespace tamsu::test
