// The installer placed beside a built package as "setup.exe": asks, installs the package for the
// current user, offers to make it the screensaver, and says where it went. Its copy glint-setup in
// an installed folder serves the menu entry's actions: "--make-screensaver" makes that show the
// screensaver, "--uninstall" removes it. The shell header of a show in one file starts it with
// "--install-from FILE" to install that file's show. It travels to machines without Glint, so it
// asks with X11 dialogs of its own.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "installer/linux/idle_session.h"
#include "installer/linux/package_install.h"
#include "installer/linux/package_removal.h"
#include "installer/linux/screensaver_launcher.h"
#include "installer/linux/screensaver_registration.h"
#include "installer/linux/show_file_install.h"
#include "language/translate.h"
#include "package/linux_run_header.h"
#include "package/paths.h"
#include "platform/posix/posix_files.h"
#include "platform/x11/x11_dialogs.h"

namespace {

using namespace glint::installer;
using glint::language::tr;
using glint::language::trf;
using glint::platform::x11::askNumber;
using glint::platform::x11::askYesNo;
using glint::platform::x11::MessageKind;

const char* title() {
    return tr("Glint 屏保安装");
}

bool ask(const std::string& question, bool byDefault) {
    return askYesNo(title(), question, byDefault);
}

void tell(const std::string& text, MessageKind kind = MessageKind::Information) {
    glint::platform::x11::messageBox(title(), text, kind);
}

// The running program's own path, links resolved, as the kernel knows it.
std::string ownPath() {
    std::vector<char> path(4096);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0)
            throw InstallError(trf("找不到安装程序自己的位置：%1", {std::strerror(errno)}));
        if (static_cast<std::size_t>(length) < path.size())
            return {path.data(), static_cast<std::size_t>(length)};
        path.resize(path.size() * 2);
    }
}

std::string folderOf(const std::string& path) {
    const std::size_t separator = path.rfind(glint::package::kSeparator);
    return separator == 0 ? "/" : path.substr(0, separator);
}

std::string showName(const std::string& folder) {
    try {
        const std::string caption = planInstall(folder).caption;
        if (!caption.empty()) return caption;
    } catch (const InstallError&) {
        // A damaged installation is still named, and still removed.
    }
    return tr(kUnnamedShow);
}

// Asks whether to make the installed show the screensaver and does it; says how that went.
std::string offerScreensaver(const std::string& name, const std::string& folder,
                             const std::string& menuName) {
    if (!ask(trf("要把“%1”设为你的屏幕保护程序吗？", {name}), true)) return "";
    const IdleChoice choice = chooseIdleWatcher(currentSession());
    if (choice.watcher == IdleWatcher::None) return noWatcherMessage(choice, menuName);
    int minutes = kDefaultIdleMinutes;
    if (choice.watcher != IdleWatcher::XScreenSaver) {
        const std::optional<int> chosen = askNumber(
            title(), tr("电脑空闲多少分钟后播放屏幕保护程序？"), kDefaultIdleMinutes, 1, 24 * 60);
        if (!chosen) return tr("没有设为屏幕保护程序。");
        minutes = *chosen;
    }
    SystemWatcherProcesses processes;
    try {
        return makeScreensaver(choice.watcher,
                               {name, glint::package::namedPath(folder, kLauncherName)}, minutes,
                               userFolders(), processes);
    } catch (const InstallError& failure) {
        return trf("没有设为屏幕保护程序：%1", {failure.what()});
    }
}

bool askToInstall(const std::string& name, std::size_t fileCount) {
    return ask(trf("要把屏幕保护程序“%1”安装到这台电脑上吗？\n\n共 %2 个文件。",
                   {name, std::to_string(fileCount)}),
               true);
}

// After an installation: the offer to make it the screensaver, and where it went.
int welcome(const std::string& name, const Installed& installed) {
    const std::string screensaver = offerScreensaver(name, installed.folder, installed.menuName);
    tell(trf("安装完成。\n\n屏幕保护程序已放在：\n%1\n\n在应用程序菜单里选择“%2”即可播放。",
             {installed.folder, installed.menuName}) +
         (screensaver.empty() ? "" : "\n\n" + screensaver));
    return 0;
}

int installPackage(const std::string& ownPath) {
    const std::string packageFolder = folderOf(ownPath);
    const InstallPlan plan = planInstall(packageFolder);
    const std::string name = plan.caption.empty() ? tr(kUnnamedShow) : plan.caption;
    if (!askToInstall(name, plan.files.size())) return 0;
    glint::platform::posix::PosixFiles files;
    return welcome(name, install(packageFolder, plan, userDataFolder(), ownPath, files));
}

// The show in a show file, started by its shell header from the header's copy of this installer,
// which is this installer alone and so what goes into the installed folder as glint-setup.
int installShowFile(const std::string& showFile, const std::string& ownPath) {
    const ShowFileContents show = readShowFileContents(showFile);
    const std::string name = show.caption.empty() ? tr(kUnnamedShow) : show.caption;
    if (!askToInstall(name, show.index.files.size())) return 0;
    const std::string dataFolder = userDataFolder();
    Installed installed;
    {
        const StagedShow staged(showFile, show.index, dataFolder);
        glint::platform::posix::PosixFiles files;
        installed =
            install(staged.folder(), planInstall(staged.folder()), dataFolder, ownPath, files);
    }
    return welcome(name, installed);
}

int makeInstalledScreensaver(const std::string& folder) {
    const std::string message = offerScreensaver(showName(folder), folder, showName(folder));
    if (!message.empty()) tell(message);
    return 0;
}

int removeInstalledShow(const std::string& folder) {
    if (menuEntryOf(folder).empty()) {
        throw InstallError(trf("这里不是安装好的屏幕保护程序，没有卸载任何东西：%1", {folder}));
    }
    if (!ask(trf("要卸载屏幕保护程序“%1”吗？\n\n这会删除文件夹 %2 和它的菜单项。",
                 {showName(folder), folder}),
             false)) {
        return 0;
    }
    SystemWatcherProcesses processes;
    const std::vector<std::string> left = removeInstalled(folder, userFolders(), processes);
    if (left.empty()) {
        tell(tr("已卸载。"));
        return 0;
    }
    std::string rest;
    for (const std::string& item : left) rest += "\n" + item;
    tell(trf("没有卸载完，还留着：%1\n\n请手动删除它们。", {rest}), MessageKind::Warning);
    return 1;
}

// The argument given after request ("" when it is the last one); null without the request.
const char* requestValue(int argc, char* argv[], const char* request) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], request) == 0) return i + 1 < argc ? argv[i + 1] : "";
    }
    return nullptr;
}

bool requested(int argc, char* argv[], const char* request) {
    return requestValue(argc, argv, request) != nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    glint::language::useDesktopLanguage();
    try {
        const std::string path = ownPath();
        if (const char* showFile = requestValue(argc, argv, glint::package::kInstallFromRequest)) {
            if (!*showFile) throw InstallError(tr("没有说要安装哪个文件。"));
            return installShowFile(showFile, path);
        }
        if (requested(argc, argv, kRemoveRequest)) return removeInstalledShow(folderOf(path));
        if (requested(argc, argv, kMakeScreensaverRequest)) {
            return makeInstalledScreensaver(folderOf(path));
        }
        return installPackage(path);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        tell(failure.what(), MessageKind::Error);
        return 1;
    }
}
