#include "platform/win32/program_start.h"

#include <windows.h>

#include <stdexcept>

#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {

void startProgramFile(const std::string& path) {
    const std::wstring program = widen(path);
    // Only what the started program sees as its command line; the file itself is named above.
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (program.empty() || !CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                                           FALSE, 0, nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("Cannot start program: " + path);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace glint::platform::win32
