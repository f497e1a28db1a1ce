// glint.scr, the screensaver launcher written into every installed package folder. Windows starts
// it with "/s" when the screensaver is due: it starts the player pb.cc beside it and waits until
// the show ends, so that Windows sees its screensaver running as long as the show does, and ends
// with the player's exit status. Preview and configuration requests end it at once: the player
// takes no arguments and has neither.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "installer/install_plan.h"
#include "installer/win32/screensaver_arguments.h"
#include "language/translate.h"
#include "platform/win32/executable_folder.h"
#include "platform/win32/wide_text.h"

namespace {

using glint::platform::win32::narrow;
using glint::platform::win32::widen;

std::vector<std::string> commandArguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; words && i < count; ++i) arguments.push_back(narrow(words[i]));
    LocalFree(words);
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    glint::language::useDesktopLanguage();
    if (!glint::installer::showRequested(commandArguments())) return 0;
    const std::wstring folder = widen(glint::platform::win32::executableFolder());
    const std::wstring player = folder + L"\\pb.cc";
    // The player is started by its own path whatever its extension; it finds its lists and media
    // in its own folder, which is also the folder it starts in.
    std::wstring commandLine = L"\"" + player + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(player.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        using glint::language::trf;
        const std::wstring message = widen(trf("无法启动屏幕保护程序：%1", {narrow(player)}));
        MessageBoxW(nullptr, message.c_str(),
                    widen(glint::language::tr(glint::installer::kUnnamedShow)).c_str(),
                    MB_OK | MB_ICONERROR);
        return 1;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
