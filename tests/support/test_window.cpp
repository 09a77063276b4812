#include "support/test_window.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "ui/cp936_conversion.h"

namespace tamsu::test {

TestWindow::TestWindow() {
    application_ = std::make_unique<Application>(MainWindowLayout(), services);
    std::string failure;
    if (!application_->LoadMainWindow(failure)) ADD_FAILURE() << "MainWindow not loaded: " << failure;
    Pump();
}

TestWindow::~TestWindow() {
    application_.reset();
    Pump();
}

void TestWindow::TypeText(const std::string& cp936) {
    const std::wstring wide = Cp936ToWide(cp936);
    SendMessageW(edit(), EM_SETSEL, 0, -1);
    SendMessageW(edit(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TestWindow::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        if (application_ && application_->PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TestWindow::PumpFor(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    Pump();
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", c);
        out += buf;
    }
    return out;
}

}  // namespace tamsu::test
