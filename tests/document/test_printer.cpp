#include "document/test_printer.h"

#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <vector>

namespace tamsu::test {
namespace {

const wchar_t kDriverName[] = L"Tamsu Test PostScript";
const wchar_t kPpdName[] = L"tamsu_test.ppd";

// Wine's spooler carries a generic PostScript printer description as a
// resource; the driver reads it from the printer-driver folder.
bool WritePrinterDescription() {
    HMODULE spooler = LoadLibraryW(L"winspool.drv");
    if (!spooler) return false;
    HRSRC found = FindResourceW(spooler, MAKEINTRESOURCEW(1), L"PPDFILE");
    const char* data = found ? static_cast<const char*>(LockResource(LoadResource(spooler, found))) : nullptr;
    if (!data) return false;
    DWORD size = SizeofResource(spooler, found);
    if (const void* end = std::memchr(data, 0, size)) size = static_cast<DWORD>(static_cast<const char*>(end) - data);

    wchar_t folder[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof folder, &needed))
        return false;
    CreateDirectoryW(folder, nullptr);
    const std::wstring path = std::wstring(folder) + L"\\" + kPpdName;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, data, size, &written, nullptr) && written == size;
    CloseHandle(file);
    return ok;
}

bool InstallDriver() {
    if (!WritePrinterDescription()) return false;
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<wchar_t*>(kDriverName);
    driver.pDriverPath = const_cast<wchar_t*>(L"wineps.drv");
    driver.pDataFile = const_cast<wchar_t*>(kPpdName);
    driver.pConfigFile = const_cast<wchar_t*>(L"wineps.drv");
    driver.pDefaultDataType = const_cast<wchar_t*>(L"RAW");
    return AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&driver)) ||
           GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED;
}

std::vector<BYTE> PrinterInfo2(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    if (!needed || !GetPrinterW(printer, 2, info.data(), needed, &needed)) info.clear();
    return info;
}

}  // namespace

bool InstallTestPrinter(const std::wstring& name, const std::wstring& port) {
    if (!InstallDriver()) return false;
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, &access)) {
        std::vector<BYTE> info = PrinterInfo2(printer);
        bool ok = !info.empty();
        if (ok) {
            auto* pi = reinterpret_cast<PRINTER_INFO_2W*>(info.data());
            pi->pPortName = const_cast<wchar_t*>(port.c_str());
            ok = SetPrinterW(printer, 2, info.data(), 0);
        }
        ClosePrinter(printer);
        if (!ok) return false;
    } else {
        PRINTER_INFO_2W pi{};
        pi.pPrinterName = const_cast<wchar_t*>(name.c_str());
        pi.pPortName = const_cast<wchar_t*>(port.c_str());
        pi.pDriverName = const_cast<wchar_t*>(kDriverName);
        pi.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
        pi.pDatatype = const_cast<wchar_t*>(L"RAW");
        pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&pi));
        if (!printer) return false;
        ClosePrinter(printer);
    }
    return SetDefaultPrinterW(name.c_str()) != FALSE;
}

bool SetPrinterDefaults(const std::wstring& name, short orientation, short copies) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, &access)) return false;
    auto* device = const_cast<wchar_t*>(name.c_str());
    bool ok = false;
    const LONG size = DocumentPropertiesW(nullptr, printer, device, nullptr, nullptr, 0);
    if (size > 0) {
        std::vector<BYTE> mode(static_cast<size_t>(size));
        auto* dm = reinterpret_cast<DEVMODEW*>(mode.data());
        if (DocumentPropertiesW(nullptr, printer, device, dm, nullptr, DM_OUT_BUFFER) == IDOK) {
            dm->dmOrientation = orientation;
            dm->dmCopies = copies;
            dm->dmFields |= DM_ORIENTATION | DM_COPIES;
            std::vector<BYTE> info = PrinterInfo2(printer);
            if (!info.empty()) {
                auto* pi = reinterpret_cast<PRINTER_INFO_2W*>(info.data());
                pi->pDevMode = dm;
                ok = SetPrinterW(printer, 2, info.data(), 0);
            }
        }
    }
    ClosePrinter(printer);
    return ok;
}

}  // namespace tamsu::test
