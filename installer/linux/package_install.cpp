#include "installer/linux/package_install.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "installer/linux/desktop_entry_text.h"
#include "installer/linux/screensaver_launcher.h"
#include "language/translate.h"
#include "package/paths.h"

namespace glint::installer {
namespace {

namespace fs = std::filesystem;
using language::N_;
using language::tr;
using language::trf;

constexpr const char* kFolderPrefix = "screensaver-";
constexpr const char* kEntryPrefix = "glint-screensaver-";

void writeNewFile(const std::string& path, const std::string& text, mode_t mode = 0644) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out || ::chmod(path.c_str(), mode) != 0)
        throw InstallError(trf("无法写入文件：%1", {path}));
}

std::string setupCommand(const std::string& folder, const char* request) {
    return entryValue(execArgument(package::namedPath(folder, kSetupName)) + " " + request);
}

}  // namespace

std::string userDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') return data;
    const char* home = std::getenv("HOME");
    if (!home || !*home) throw InstallError(tr("找不到用户的主文件夹（HOME 未设置）"));
    return std::string(home) + "/.local/share";
}

std::string desktopEntry(const std::string& name, const std::string& folder,
                         const std::string& chineseName) {
    return "[Desktop Entry]\n"
           "Type=Application\n" +
           entryKey("Name", name, chineseName.empty() ? name : chineseName) +
           translatedEntryKey("Comment", N_("Glint 屏幕保护程序")) +
           "Exec=" + entryValue(execArgument(package::namedPath(folder, "pb.cc"))) +
           "\n"
           "Path=" +
           entryValue(folder) +
           "\n"
           "Terminal=false\n"
           "Categories=Graphics;\n"
           "Actions=screensaver;uninstall;\n"
           "\n"
           "[Desktop Action screensaver]\n" +
           translatedEntryKey("Name", N_("设为屏幕保护程序")) +
           "Exec=" + setupCommand(folder, kMakeScreensaverRequest) +
           "\n"
           "\n"
           "[Desktop Action uninstall]\n" +
           translatedEntryKey("Name", N_("卸载")) + "Exec=" + setupCommand(folder, kRemoveRequest) +
           "\n";
}

std::string menuEntryOf(const std::string& folder) {
    const fs::path path(folder);
    const std::string name = path.filename().string();
    const fs::path root = path.parent_path();
    if (name.rfind(kFolderPrefix, 0) != 0 || root.filename() != "screensavers" ||
        root.parent_path().filename() != "glint") {
        return {};
    }
    return (root.parent_path().parent_path() / "applications" /
            (kEntryPrefix + name.substr(std::string(kFolderPrefix).size()) + ".desktop"))
        .string();
}

Installed install(const std::string& packageFolder, const InstallPlan& plan,
                  const std::string& dataFolder, const std::string& setupProgram,
                  platform::Files& files) {
    const fs::path root = fs::path(dataFolder) / "glint" / "screensavers";
    const fs::path menus = fs::path(dataFolder) / "applications";
    std::error_code error;
    fs::create_directories(root, error);
    fs::create_directories(menus, error);
    int number = 1;
    fs::path folder;
    for (;; ++number) {
        folder = root / (kFolderPrefix + std::to_string(number));
        if (fs::create_directory(folder, error)) break;
        if (error) throw InstallError(trf("无法建立文件夹：%1", {folder.string()}));
    }
    const std::string numbered = " (" + std::to_string(number) + ")";
    Installed installed{folder.string(), package::namedPath(folder.string(), kLauncherName),
                        (menus / (kEntryPrefix + std::to_string(number) + ".desktop")).string(),
                        (plan.caption.empty() ? tr(kUnnamedShow) : plan.caption) + numbered};
    // A caption is the user's own text, the same in every language; our name for a show without
    // one is not.
    const std::string entry = plan.caption.empty()
                                  ? desktopEntry(catalogEnglish(kUnnamedShow) + numbered,
                                                 installed.folder, kUnnamedShow + numbered)
                                  : desktopEntry(installed.menuName, installed.folder);
    try {
        for (const std::string& name : plan.files) {
            files.copyFile(package::namedPath(packageFolder, name),
                           package::namedPath(installed.folder, name));
        }
        files.copyFile(setupProgram, package::namedPath(installed.folder, kSetupName));
        writeNewFile(installed.launcher, launcherScript(), 0755);
        // The menu entry is the last step: a failure leaves none behind.
        writeNewFile(installed.menuEntry, entry);
    } catch (const std::exception& failure) {
        fs::remove_all(folder, error);
        throw InstallError(trf("安装没有完成：%1", {failure.what()}));
    }
    return installed;
}

}  // namespace glint::installer
