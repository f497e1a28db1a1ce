#include "tests/win32/failing_program.h"

#include <cstring>
#include <stdexcept>
#include <thread>

#include "platform/form.h"
#include "platform/timer.h"
#include "platform/timer_scheduler.h"
#include "platform/win32/form_window_class.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_runtime.h"

namespace glint::platform::win32::testing {
namespace {

constexpr DWORD kPatienceMs = 20000;
// The id of a message box's text.
constexpr int kMessageBoxText = 0xFFFF;

struct Search {
    DWORD process;
    const wchar_t* windowClass;
    bool visibleOnly;
    HWND found = nullptr;
};

BOOL CALLBACK lookAt(HWND window, LPARAM searchAddress) {
    auto* search = reinterpret_cast<Search*>(searchAddress);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wcscmp(name, search->windowClass) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND windowOf(DWORD process, const wchar_t* windowClass, bool visibleOnly) {
    Search search{process, windowClass, visibleOnly};
    EnumWindows(&lookAt, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring textOf(HWND window) {
    std::wstring text(256, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), 256)));
    return text;
}

}  // namespace

int runFailingProgram() {
    Win32Clock clock;
    TimerScheduler timers(clock);
    Win32Runtime runtime(timers);
    Form form("Failing", "Glint test");
    form.setClientSize(160, 100);
    form.onKeyDown = [](const KeyEvent&) {
        throw std::runtime_error("pb.dat is broken: 照片.jpg");
    };
    // Once the window is there, a key for it.
    Timer press(timers, "Press", 50, true);
    press.onTick = [&] {
        press.setEnabled(false);
        PostMessageW(runtime.ownerWindow(form), WM_KEYDOWN, 'A', 0);
    };
    return 100 + runtime.run(form);
}

FailureReport watchFailingProgram() {
    FailureReport report;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return report;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    const std::string argument = kFailingProgramArgument;
    std::wstring command =
        L"\"" + std::wstring(self) + L"\" " + std::wstring(argument.begin(), argument.end());
    PROCESS_INFORMATION process{};
    report.started = CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                    nullptr, &startup, &process) != FALSE;
    CloseHandle(writeEnd);
    if (!report.started) {
        CloseHandle(readEnd);
        return report;
    }
    // Read all along, so the program never waits on a full pipe.
    std::thread reader([&report, readEnd] {
        char buffer[512];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            report.errorOutput.append(buffer, got);
        }
    });

    const DWORD deadline = GetTickCount() + kPatienceMs;
    HWND box = nullptr;
    while (!box && GetTickCount() < deadline &&
           WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT) {
        box = windowOf(process.dwProcessId, L"#32770", true);
    }
    if (box) {
        report.boxShown = true;
        report.boxTitle = textOf(box);
        report.boxText = textOf(GetDlgItem(box, kMessageBoxText));
        report.windowVisibleUnderBox =
            windowOf(process.dwProcessId, kFormWindowClass, true) != nullptr;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    if (WaitForSingleObject(process.hProcess, kPatienceMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, kPatienceMs);
    }
    GetExitCodeProcess(process.hProcess, &report.exitCode);
    reader.join();
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return report;
}

}  // namespace glint::platform::win32::testing
