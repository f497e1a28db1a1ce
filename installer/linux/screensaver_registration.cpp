#include "installer/linux/screensaver_registration.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "installer/install_plan.h"
#include "installer/linux/desktop_entry_text.h"
#include "installer/linux/text_file.h"
#include "installer/linux/xscreensaver_settings.h"

namespace glint::installer {
namespace {

// The key of the autostart entry that names the launcher it starts, so that removing a show
// withdraws only its own entry.
constexpr const char* kLauncherKey = "X-Glint-Launcher=";

std::string watcherCommand(IdleWatcher watcher, const std::string& launcher, int idleMinutes) {
    const std::string seconds = std::to_string(idleMinutes * 60);
    if (watcher == IdleWatcher::Swayidle) {
        // swayidle hands its command to the shell.
        return "swayidle -w timeout " + seconds + " " + execArgument(shellWord(launcher));
    }
    // xss-lock starts the show when the X server's screensaver timer runs out, which xset sets.
    return "sh -c " + execArgument("xset s " + seconds + " 0; exec xss-lock --ignore-sleep -- " +
                                   shellWord(launcher));
}

}  // namespace

UserFolders userFolders() {
    const char* home = std::getenv("HOME");
    if (!home || *home != '/') throw InstallError("找不到用户的主文件夹（HOME 未设置）");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return {home, config && *config == '/' ? config : std::string(home) + "/.config"};
}

std::string xscreensaverSettingsPath(const UserFolders& folders) {
    return folders.home + "/.xscreensaver";
}

std::string autostartEntryPath(const UserFolders& folders) {
    return folders.config + "/autostart/glint-screensaver.desktop";
}

std::string autostartEntry(IdleWatcher watcher, const ScreensaverShow& show, int idleMinutes) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           entryValue("Glint 屏保：" + show.name) +
           "\n"
           "Comment=" +
           entryValue("电脑空闲 " + std::to_string(idleMinutes) + " 分钟后播放屏幕保护程序") +
           "\n"
           "Exec=" +
           entryValue(watcherCommand(watcher, show.launcher, idleMinutes)) +
           "\n"
           "Terminal=false\n"
           "NoDisplay=true\n" +
           kLauncherKey + entryValue(show.launcher) + "\n";
}

std::string makeScreensaver(IdleWatcher watcher, const ScreensaverShow& show, int idleMinutes,
                            const UserFolders& folders) {
    if (watcher == IdleWatcher::XScreenSaver) {
        const std::string path = xscreensaverSettingsPath(folders);
        replaceTextFile(path, selectShow(readTextFile(path), {show.name, show.launcher}));
        return "已设为屏幕保护程序：由 XScreenSaver 播放，它的显示模式“" + entryName(show.name) +
               "”已选为唯一的模式（设置在 " + path +
               "）。\n\n要更改，请运行 xscreensaver-settings。XScreenSaver 须在登录时运行"
               "（xscreensaver --no-splash）。";
    }
    const std::string path = autostartEntryPath(folders);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    replaceTextFile(path, autostartEntry(watcher, show, idleMinutes));
    const std::string component = watcher == IdleWatcher::Swayidle ? "swayidle" : "xss-lock";
    return "已设为屏幕保护程序：电脑空闲 " + std::to_string(idleMinutes) + " 分钟后由 " +
           component + " 播放，下次登录起生效（登录时由 " + path +
           " 启动）。\n\n要更改空闲时间，请在应用程序菜单里这个屏保的右键菜单中再选一次“设为屏幕保"
           "护程序”；"
           "删除这个文件即可取消。";
}

std::string noWatcherMessage(const IdleChoice& choice, const std::string& menuName) {
    const std::string again =
        "，然后在应用程序菜单里“" + menuName + "”的右键菜单中选择“设为屏幕保护程序”。";
    if (choice.gnomeOnWayland) {
        return "没有设为屏幕保护程序：GNOME 的 Wayland 会话不让其他程序作为屏幕保护程序。\n\n"
               "要使用它，请注销，在登录界面选择“GNOME on Xorg”，安装 xscreensaver"
               "（sudo apt install xscreensaver）" +
               again;
    }
    if (!choice.missingPackage.empty()) {
        return "没有设为屏幕保护程序：这个桌面需要 " + choice.missingPackage +
               "。\n\n请先安装它（sudo apt install " + choice.missingPackage + "）" + again;
    }
    return "没有设为屏幕保护程序：没有找到图形桌面会话。";
}

void withdrawScreensaver(const std::string& launcher, const UserFolders& folders) {
    const std::string settings = xscreensaverSettingsPath(folders);
    if (const auto text = readTextFile(settings)) {
        if (const auto without = withdrawShow(*text, launcher)) replaceTextFile(settings, *without);
    }
    const std::string entry = autostartEntryPath(folders);
    if (const auto text = readTextFile(entry)) {
        const std::string key = std::string("\n") + kLauncherKey + entryValue(launcher) + "\n";
        if (text->find(key) != std::string::npos && ::unlink(entry.c_str()) != 0) {
            throw InstallError("无法删除文件：" + entry);
        }
    }
}

}  // namespace glint::installer
