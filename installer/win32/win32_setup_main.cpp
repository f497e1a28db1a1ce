// The installer on Windows, placed beside a built package as "setup.exe": asks, installs the
// package for the current user with a Start-menu shortcut, offers to make it the screensaver, and
// says where it went.

#include <windows.h>

#include <string>
#include <string_view>

#include "installer/install_plan.h"
#include "installer/win32/win32_install.h"
#include "installer/win32/win32_screensaver_setting.h"
#include "platform/files.h"
#include "platform/win32/executable_folder.h"
#include "platform/win32/wide_text.h"

namespace {

namespace installer = glint::installer;
using glint::platform::win32::widen;

// The launcher glint.scr, built into this program as its resource number 1.
constexpr int kLauncherResource = 1;
const wchar_t* const kTitle = L"Glint 屏保安装";

int ask(const std::string& text, UINT icon = MB_ICONQUESTION) {
    return MessageBoxW(nullptr, widen(text).c_str(), kTitle, MB_YESNO | icon);
}

void tell(const std::string& text, UINT icon) {
    MessageBoxW(nullptr, widen(text).c_str(), kTitle, MB_OK | icon);
}

std::string_view launcherImage() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(kLauncherResource), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw installer::InstallError("安装程序已损坏：缺少屏幕保护程序的启动程序");
    return {static_cast<const char*>(bytes), SizeofResource(nullptr, found)};
}

// Makes it the screensaver when the user wants it; says how that went in the closing message.
std::string offerScreensaver(const installer::win32::WindowsInstalled& installed) {
    if (ask("要把“" + installed.menuName + "”设为这台电脑的屏幕保护程序吗？") != IDYES) {
        return "";
    }
    try {
        installer::win32::makeUsersScreensaver(installed.launcher);
        return "\n\n已设为屏幕保护程序。";
    } catch (const installer::InstallError& failure) {
        return std::string("\n\n") + failure.what();
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::string packageFolder = glint::platform::win32::executableFolder();
    try {
        const installer::InstallPlan plan = installer::planInstall(packageFolder);
        const std::string name = plan.caption.empty() ? "Glint 屏保" : plan.caption;
        if (ask("要把屏幕保护程序“" + name + "”安装到这台电脑上吗？\n\n共 " +
                std::to_string(plan.files.size()) + " 个文件。") != IDYES) {
            return 0;
        }
        const auto installed = installer::win32::install(packageFolder, plan, launcherImage(),
                                                         installer::win32::userTarget(),
                                                         glint::platform::systemFiles());
        const std::string screensaver = offerScreensaver(installed);
        tell("安装完成。\n\n屏幕保护程序已放在：\n" + installed.folder +
                 "\n\n在「开始」菜单里选择“" + installed.menuName + "”即可播放。" + screensaver,
             MB_ICONINFORMATION);
        return 0;
    } catch (const std::exception& failure) {
        tell(failure.what(), MB_ICONERROR);
        return 1;
    }
}
