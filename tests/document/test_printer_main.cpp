// test_printer.exe NAME PORT: installs the tests' printer for the end-to-end
// tests, writing to the file PORT, and makes it the default printer.
#include <windows.h>

#include <cstdio>

#include "document/test_printer.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: test_printer.exe NAME PORT\n", stderr);
        return 2;
    }
    if (!tamsu::test::InstallTestPrinter(argv[1], argv[2])) {
        std::fprintf(stderr, "test printer not installed (error %lu)\n", GetLastError());
        return 1;
    }
    return 0;
}
