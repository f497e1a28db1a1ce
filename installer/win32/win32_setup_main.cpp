// The installer on Windows, placed beside a built package as "setup.exe": asks, installs the
// package for the current user with a Start-menu shortcut and an entry in the list of installed
// programs, offers to make it the screensaver, and says where it went. Its copy uninstall.exe in
// the installed folder removes the show ("/uninstall"): it asks, then hands the removal to a copy
// of itself in the temporary folder, since a running program cannot delete its own folder.
// Shared as "屏幕保护-Windows.exe" it carries a show after its own bytes (package/show_file.h):
// checked whole, unpacked into a staging folder of the user's own and installed from there, its
// uninstaller the installer without the show. "/S" installs without a word: every question
// answered yes, a failure told by the exit status 1 and a line on the standard error.

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "installer/install_plan.h"
#include "installer/win32/staged_show.h"
#include "installer/win32/win32_install.h"
#include "installer/win32/win32_removal.h"
#include "installer/win32/win32_screensaver_setting.h"
#include "installer/win32/win32_uninstall_entry.h"
#include "language/translate.h"
#include "package/paths.h"
#include "platform/files.h"
#include "platform/win32/executable_folder.h"
#include "platform/win32/wide_text.h"

namespace {

namespace installer = glint::installer;
using glint::language::tr;
using glint::language::trf;
using glint::platform::win32::narrow;
using glint::platform::win32::widen;
namespace fs = std::filesystem;

// The removal's copy of this program in the temporary folder: glint-uninstall-<number>.exe.
constexpr const wchar_t* kRemovalCopyPrefix = L"glint-uninstall-";

// The launcher glint.scr, built into this program as its resource number 1.
constexpr int kLauncherResource = 1;

std::wstring title() {
    return widen(tr("Glint 屏保安装"));
}

int ask(const std::string& text, UINT icon = MB_ICONQUESTION) {
    return MessageBoxW(nullptr, widen(text).c_str(), title().c_str(), MB_YESNO | icon);
}

std::vector<std::wstring> commandArguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; words && i < count; ++i) arguments.emplace_back(words[i]);
    LocalFree(words);
    return arguments;
}

std::wstring ownProgram() {
    std::wstring path(MAX_PATH * 4, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

bool isInstalledFolder(const std::string& folder) {
    std::error_code error;
    return fs::is_regular_file(
               glint::package::filePath(folder + "\\" + installer::win32::kLauncherName), error) &&
           fs::is_regular_file(glint::package::filePath(folder + "\\pb.cc"), error);
}

installer::InstallError notInstalled(const std::string& folder) {
    return installer::InstallError(
        trf("这里不是安装好的屏幕保护程序，没有卸载任何东西：%1", {folder}));
}

void tell(const std::string& text, UINT icon) {
    MessageBoxW(nullptr, widen(text).c_str(), title().c_str(), MB_OK | icon);
}

// How an installation speaks: in message boxes, or for "/S" not at all.
struct Voice {
    bool silent = false;

    bool agrees(const std::string& question) const { return silent || ask(question) == IDYES; }
    void say(const std::string& text) const {
        if (!silent) tell(text, MB_ICONINFORMATION);
    }
    void fail(const std::string& text) const {
        if (!silent) {
            tell(text, MB_ICONERROR);
            return;
        }
        const std::string line = text + "\n";
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<DWORD>(line.size()),
                  &written, nullptr);
    }
};

bool asksForSilence(const std::vector<std::wstring>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::wstring& word) { return word == L"/S" || word == L"/s"; });
}

std::string_view launcherImage() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(kLauncherResource), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw installer::InstallError(tr("安装程序已损坏：缺少屏幕保护程序的启动程序"));
    return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

// Makes it the screensaver when the user wants it; says how that went in the closing message.
std::string offerScreensaver(const installer::win32::WindowsInstalled& installed,
                             const Voice& voice) {
    if (!voice.agrees(trf("要把“%1”设为这台电脑的屏幕保护程序吗？", {installed.menuName}))) {
        return "";
    }
    try {
        installer::win32::makeUsersScreensaver(installed.launcher);
        return std::string("\n\n") + tr("已设为屏幕保护程序。");
    } catch (const installer::InstallError& failure) {
        return std::string("\n\n") + failure.what();
    }
}

// Started from the list of installed programs: asks, then starts the copy that removes.
int askToRemove(const std::string& folder) {
    if (!isInstalledFolder(folder)) throw notInstalled(folder);
    if (MessageBoxW(nullptr,
                    widen(trf("要卸载屏幕保护程序吗？\n\n这会删除文件夹 %1 和它在「开始」菜单里的"
                              "快捷方式。",
                              {folder}))
                        .c_str(),
                    title().c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return 0;
    }
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    const std::wstring copy =
        temporary + std::wstring(kRemovalCopyPrefix) + std::to_wstring(GetTickCount()) + L".exe";
    std::wstring commandLine = L"\"" + copy + L"\" " + widen(installer::win32::kUninstallRequest) +
                               L" \"" + widen(folder) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CopyFileW(ownProgram().c_str(), copy.c_str(), FALSE) ||
        !CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        temporary, &startup, &process)) {
        throw installer::InstallError(tr("无法开始卸载：没有地方放卸载程序的副本"));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

// The copy in the temporary folder: removes the show and says what is left. The copies of
// earlier removals go now; this one goes with the next.
int removeShow(const std::string& folder) {
    if (!isInstalledFolder(folder)) throw notInstalled(folder);
    std::error_code error;
    const fs::path self = ownProgram();
    for (const auto& entry : fs::directory_iterator(self.parent_path(), error)) {
        const std::wstring name = entry.path().filename().wstring();
        if (name.rfind(kRemovalCopyPrefix, 0) == 0 && entry.path() != self) {
            fs::remove(entry.path(), error);
        }
    }
    const std::vector<std::string> left = installer::win32::removeUsersInstalled(folder);
    if (left.empty()) {
        tell(tr("已卸载。"), MB_ICONINFORMATION);
        return 0;
    }
    std::string rest;
    for (const std::string& item : left) rest += "\n" + item;
    tell(trf("没有卸载完，还留着：%1\n\n请手动删除它们。", {rest}), MB_ICONWARNING);
    return 1;
}

// Puts the show into the user's list of installed programs; says so when that fails.
std::string registerUninstaller(const installer::win32::WindowsInstalled& installed) {
    HKEY uninstall = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, installer::win32::kUninstallKey, 0, nullptr, 0,
                        KEY_CREATE_SUB_KEY | KEY_SET_VALUE, nullptr, &uninstall,
                        nullptr) != ERROR_SUCCESS) {
        return std::string("\n\n") + tr("没有登记到已安装的程序里：无法打开它的设置。");
    }
    std::string message;
    try {
        installer::win32::writeUninstallEntry(uninstall, installed);
    } catch (const installer::InstallError& failure) {
        message = std::string("\n\n") + failure.what();
    }
    RegCloseKey(uninstall);
    return message;
}

// Installs the package in packageFolder, with setupProgram (a plain installer) as its uninstaller.
int installPackage(const std::string& packageFolder, const std::string& setupProgram,
                   const Voice& voice) {
    const installer::InstallPlan plan = installer::planInstall(packageFolder);
    const std::string name = plan.caption.empty() ? tr(installer::kUnnamedShow) : plan.caption;
    if (!voice.agrees(trf("要把屏幕保护程序“%1”安装到这台电脑上吗？\n\n共 %2 个文件。",
                          {name, std::to_string(plan.files.size())}))) {
        return 0;
    }
    const auto installed =
        installer::win32::install(packageFolder, plan, launcherImage(), setupProgram,
                                  installer::win32::userTarget(), glint::platform::systemFiles());
    const std::string uninstaller = registerUninstaller(installed);
    const std::string screensaver = offerScreensaver(installed, voice);
    voice.say(trf("安装完成。\n\n屏幕保护程序已放在：\n%1\n\n在「开始」菜单里选择“%2”即可播放。",
                  {installed.folder, installed.menuName}) +
              screensaver + uninstaller);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    glint::language::useDesktopLanguage();
    const std::string packageFolder = glint::platform::win32::executableFolder();
    const std::string self = narrow(ownProgram());
    const std::vector<std::wstring> arguments = commandArguments();
    const Voice voice{asksForSilence(arguments)};
    try {
        if (!arguments.empty() && arguments[0] == widen(installer::win32::kUninstallRequest)) {
            return arguments.size() > 1 ? removeShow(narrow(arguments[1]))
                                        : askToRemove(packageFolder);
        }
        if (installer::win32::carriesShow(self)) {
            const installer::win32::StagedShow show(self, installer::win32::userIncomingFolder());
            return installPackage(show.packageFolder(), show.plainInstaller(), voice);
        }
        return installPackage(packageFolder, self, voice);
    } catch (const std::exception& failure) {
        voice.fail(failure.what());
        return 1;
    }
}
