// Entry of the Win32 test programs: the process is prepared as the editor's is.
#include <winsock2.h>
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    WSADATA wsa{};
    WSAStartup(MAKEWORD(1, 0), &wsa);
    OleInitialize(nullptr);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    WSACleanup();
    return result;
}
