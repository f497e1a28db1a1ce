#include "installer/linux/screensaver_registration.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "installer/install_plan.h"
#include "installer/linux/desktop_entry_text.h"
#include "installer/linux/screensaver_launcher.h"
#include "installer/linux/text_file.h"
#include "installer/linux/xscreensaver_settings.h"
#include "language/translate.h"

namespace glint::installer {
namespace {

using language::N_;
using language::tr;
using language::trf;

// The key of the autostart entry that names the launcher it starts, so that removing a show
// withdraws only its own entry.
constexpr const char* kLauncherKey = "X-Glint-Launcher=";

// The words of an Exec line: the program as it stands, each argument quoted unless it is a plain
// option or number.
std::string execLine(const std::vector<std::string>& words) {
    std::string line = words.front();
    for (auto word = words.begin() + 1; word != words.end(); ++word) {
        const bool plain =
            !word->empty() &&
            word->find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") == std::string::npos;
        line += " " + (plain ? *word : execArgument(*word));
    }
    return line;
}

// The XScreenSaver daemon at every login, for a system that does not start it.
constexpr const char* kXScreenSaverAutostart =
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Name=XScreenSaver\n"
    "Exec=xscreensaver --no-splash\n"
    "TryExec=xscreensaver\n"
    "Terminal=false\n"
    "NoDisplay=true\n";

// Sees that the XScreenSaver daemon runs now and at every login; the user's autostart entry
// when one was made.
std::string keepXScreenSaverRunning(const UserFolders& folders, WatcherProcesses& processes) {
    namespace fs = std::filesystem;
    std::string made;
    std::error_code error;
    const std::string entry = xscreensaverAutostartPath(folders);
    if (!fs::exists(folders.systemAutostart + "/xscreensaver.desktop", error) &&
        !fs::exists(entry, error)) {
        fs::create_directories(fs::path(entry).parent_path(), error);
        replaceTextFile(entry, kXScreenSaverAutostart);
        made = entry;
    }
    if (!processes.xscreensaverRuns()) processes.startDetached({"xscreensaver", "--no-splash"});
    return made;
}

}  // namespace

UserFolders userFolders() {
    const char* home = std::getenv("HOME");
    if (!home || *home != '/') throw InstallError(tr("找不到用户的主文件夹（HOME 未设置）"));
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return {home, config && *config == '/' ? config : std::string(home) + "/.config"};
}

std::string xscreensaverSettingsPath(const UserFolders& folders) {
    return folders.home + "/.xscreensaver";
}

std::string autostartEntryPath(const UserFolders& folders) {
    return folders.config + "/autostart/glint-screensaver.desktop";
}

std::string xscreensaverAutostartPath(const UserFolders& folders) {
    return folders.config + "/autostart/xscreensaver.desktop";
}

std::vector<std::string> watcherCommand(IdleWatcher watcher, const std::string& launcher,
                                        int idleMinutes) {
    const std::string seconds = std::to_string(idleMinutes * 60);
    // swayidle hands its command to the shell.
    if (watcher == IdleWatcher::Swayidle) {
        return {"swayidle", "-w", "timeout", seconds, shellWord(launcher)};
    }
    // xss-lock starts the show when the X server's screensaver timer runs out, which xset sets.
    return {"/bin/sh", "-c",
            "xset s " + seconds + " 0; exec xss-lock --ignore-sleep -- " + shellWord(launcher)};
}

std::string autostartEntry(IdleWatcher watcher, const ScreensaverShow& show, int idleMinutes) {
    return "[Desktop Entry]\n"
           "Type=Application\n" +
           translatedEntryKey("Name", N_("Glint 屏保：%1"), {show.name}) +
           translatedEntryKey("Comment", N_("电脑空闲 %1 分钟后播放屏幕保护程序"),
                              {std::to_string(idleMinutes)}) +
           "Exec=" + entryValue(execLine(watcherCommand(watcher, show.launcher, idleMinutes))) +
           "\n"
           "Terminal=false\n"
           "NoDisplay=true\n" +
           kLauncherKey + entryValue(show.launcher) + "\n";
}

std::string makeScreensaver(IdleWatcher watcher, const ScreensaverShow& show, int idleMinutes,
                            const UserFolders& folders, WatcherProcesses& processes) {
    if (watcher == IdleWatcher::XScreenSaver) {
        const std::string path = xscreensaverSettingsPath(folders);
        replaceTextFile(path, selectShow(readTextFile(path), {show.name, show.launcher}));
        const std::string autostart = keepXScreenSaverRunning(folders, processes);
        return trf(
            "已设为屏幕保护程序：由 XScreenSaver 播放，它的显示模式“%1”已选为唯一的模式"
            "（设置在 %2）。XScreenSaver 现在就在运行%3。\n\n要更改，请运行 "
            "xscreensaver-settings。",
            {entryName(show.name), path,
             autostart.empty() ? "" : trf("，每次登录时启动（%1）", {autostart})});
    }
    const std::string path = autostartEntryPath(folders);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    replaceTextFile(path, autostartEntry(watcher, show, idleMinutes));
    // One watcher at a time, the one the entry starts at the next login.
    processes.stopWatchers(kLauncherName);
    processes.startDetached(watcherCommand(watcher, show.launcher, idleMinutes));
    const std::string component = watcher == IdleWatcher::Swayidle ? "swayidle" : "xss-lock";
    return trf(
        "已设为屏幕保护程序：电脑空闲 %1 分钟后由 %2 播放，现在起生效，每次登录时由 %3 "
        "启动。\n\n要更改空闲时间，请在应用程序菜单里这个屏保的右键菜单中再选一次“设为屏幕"
        "保护程序”；删除这个文件即可取消。",
        {std::to_string(idleMinutes), component, path});
}

std::string noWatcherMessage(const IdleChoice& choice, const std::string& menuName) {
    if (choice.gnomeOnWayland) {
        return trf(
            "没有设为屏幕保护程序：GNOME 的 Wayland 会话不让其他程序作为屏幕保护程序。\n\n"
            "要使用它，请注销，在登录界面选择“GNOME on Xorg”，安装 xscreensaver"
            "（sudo apt install xscreensaver），然后在应用程序菜单里“%1”的右键菜单中选择"
            "“设为屏幕保护程序”。",
            {menuName});
    }
    if (!choice.missingPackage.empty()) {
        return trf(
            "没有设为屏幕保护程序：这个桌面需要 %1。\n\n请先安装它（sudo apt install "
            "%1），然后在应用程序菜单里“%2”的右键菜单中选择“设为屏幕保护程序”。",
            {choice.missingPackage, menuName});
    }
    return tr("没有设为屏幕保护程序：没有找到图形桌面会话。");
}

void withdrawScreensaver(const std::string& launcher, const UserFolders& folders,
                         WatcherProcesses& processes) {
    processes.stopWatchers(launcher);
    const std::string settings = xscreensaverSettingsPath(folders);
    if (const auto text = readTextFile(settings)) {
        if (const auto without = withdrawShow(*text, launcher)) replaceTextFile(settings, *without);
    }
    const std::string entry = autostartEntryPath(folders);
    if (const auto text = readTextFile(entry)) {
        const std::string key = std::string("\n") + kLauncherKey + entryValue(launcher) + "\n";
        if (text->find(key) != std::string::npos && ::unlink(entry.c_str()) != 0) {
            throw InstallError(trf("无法删除文件：%1", {entry}));
        }
    }
}

}  // namespace glint::installer
