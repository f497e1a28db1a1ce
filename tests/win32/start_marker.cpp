// glint_start_marker: a program for the tests that start programs. It writes, beside itself, a
// file named as itself plus ".started" holding its own path and its command line (UTF-8, one a
// line), and ends.

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"

int wmain() {
    wchar_t own[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH * 4);
    const std::string text = glint::platform::win32::narrow(own) + "\n" +
                             glint::platform::win32::narrow(GetCommandLineW()) + "\n";
    const std::wstring marker = std::wstring(own) + L".started";
    const HANDLE file =
        CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
