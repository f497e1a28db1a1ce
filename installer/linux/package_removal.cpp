#include "installer/linux/package_removal.h"

#include <filesystem>

#include "installer/install_plan.h"
#include "installer/linux/package_install.h"
#include "installer/linux/screensaver_launcher.h"
#include "language/translate.h"
#include "package/paths.h"

namespace glint::installer {

std::vector<std::string> removeInstalled(const std::string& folder, const UserFolders& folders,
                                         WatcherProcesses& processes) {
    namespace fs = std::filesystem;
    using language::trf;
    std::vector<std::string> left;
    try {
        withdrawScreensaver(package::namedPath(folder, kLauncherName), folders, processes);
    } catch (const InstallError& failure) {
        left.push_back(trf("屏幕保护程序的设置（%1）", {failure.what()}));
    }
    std::error_code error;
    fs::remove_all(folder, error);
    const std::string menuEntry = menuEntryOf(folder);
    if (error || fs::exists(fs::symlink_status(folder, error))) {
        left.push_back(trf("文件夹 %1", {folder}));
        // The menu entry stays, to try again.
        if (!menuEntry.empty()) left.push_back(trf("菜单项 %1", {menuEntry}));
        return left;
    }
    if (!menuEntry.empty() && fs::exists(fs::symlink_status(menuEntry, error)) &&
        !fs::remove(menuEntry, error)) {
        left.push_back(trf("菜单项 %1", {menuEntry}));
    }
    return left;
}

}  // namespace glint::installer
