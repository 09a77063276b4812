#include "document/print_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <cstring>

namespace tamsu {
namespace {

HGLOBAL CopyToGlobal(const void* data, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    if (void* p = GlobalLock(memory)) {
        std::memcpy(p, data, size);
        GlobalUnlock(memory);
        return memory;
    }
    GlobalFree(memory);
    return nullptr;
}

HGLOBAL MakeDevNames(const PrintDialogValues& v) {
    const size_t header = sizeof(DEVNAMES) / sizeof(wchar_t);
    std::wstring block(header, L'\0');
    auto add = [&](const std::wstring& s) {
        const size_t offset = block.size();
        block += s;
        block += L'\0';
        return static_cast<WORD>(offset);
    };
    DEVNAMES names{};
    names.wDriverOffset = add(v.driverName);
    names.wDeviceOffset = add(v.deviceName);
    names.wOutputOffset = add(v.portName);
    std::memcpy(block.data(), &names, sizeof names);
    return CopyToGlobal(block.data(), block.size() * sizeof(wchar_t));
}

void ReadBack(const PRINTDLGW& pd, PrintDialogValues& v) {
    v.flags = pd.Flags;
    if (pd.hDevNames) {
        if (auto* names = static_cast<const DEVNAMES*>(GlobalLock(pd.hDevNames))) {
            const auto* base = reinterpret_cast<const wchar_t*>(names);
            v.driverName = base + names->wDriverOffset;
            v.deviceName = base + names->wDeviceOffset;
            v.portName = base + names->wOutputOffset;
            GlobalUnlock(pd.hDevNames);
        }
    }
    v.devMode.clear();
    if (pd.hDevMode) {
        if (auto* mode = static_cast<const DEVMODEW*>(GlobalLock(pd.hDevMode))) {
            const auto* bytes = reinterpret_cast<const uint8_t*>(mode);
            v.devMode.assign(bytes, bytes + mode->dmSize + mode->dmDriverExtra);
            GlobalUnlock(pd.hDevMode);
        }
    }
}

}  // namespace

bool RunPrintDialog(PrintDialogValues& values) {
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = reinterpret_cast<HWND>(values.owner);
    pd.Flags = values.flags;
    pd.nCopies = 1;
    if (!values.deviceName.empty()) pd.hDevNames = MakeDevNames(values);
    if (values.devMode.size() >= offsetof(DEVMODEW, dmFields))
        pd.hDevMode = CopyToGlobal(values.devMode.data(), values.devMode.size());
    const bool confirmed = PrintDlgW(&pd) != FALSE;
    if (confirmed) ReadBack(pd, values);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    if (pd.hDC) DeleteDC(pd.hDC);
    return confirmed;
}

}  // namespace tamsu
