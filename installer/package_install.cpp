#include "installer/package_install.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "package/paths.h"

namespace glint::installer {
namespace {

namespace fs = std::filesystem;

// Escapes a value for a desktop entry: a backslash, and line breaks, which would end the line.
std::string entryValue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

// One argument of an Exec line: quoted, with the characters special inside quotes escaped and
// the field-code character doubled.
std::string execArgument(const std::string& path) {
    std::string out = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

void writeNewFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) throw InstallError("无法写入文件：" + path);
}

}  // namespace

std::string userDataFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') return data;
    const char* home = std::getenv("HOME");
    if (!home || !*home) throw InstallError("找不到用户的主文件夹（HOME 未设置）");
    return std::string(home) + "/.local/share";
}

std::string desktopEntry(const std::string& name, const std::string& playerPath,
                         const std::string& folder) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + entryValue(name) + "\n"
           "Comment=Glint 屏幕保护程序\n"
           "Exec=" + entryValue(execArgument(playerPath)) + "\n"
           "Path=" + entryValue(folder) + "\n"
           "Terminal=false\n"
           "Categories=Graphics;\n";
}

Installed install(const std::string& packageFolder, const InstallPlan& plan,
                  const std::string& dataFolder, platform::Files& files) {
    const fs::path root = fs::path(dataFolder) / "glint" / "screensavers";
    const fs::path menus = fs::path(dataFolder) / "applications";
    std::error_code error;
    fs::create_directories(root, error);
    fs::create_directories(menus, error);
    int number = 1;
    fs::path folder;
    for (;; ++number) {
        folder = root / ("screensaver-" + std::to_string(number));
        if (fs::create_directory(folder, error)) break;
        if (error) throw InstallError("无法建立文件夹：" + folder.string());
    }
    Installed installed{folder.string(),
                        (menus / ("glint-screensaver-" + std::to_string(number) + ".desktop"))
                            .string(),
                        (plan.caption.empty() ? std::string("Glint 屏保") : plan.caption) + " (" +
                            std::to_string(number) + ")"};
    try {
        for (const std::string& name : plan.files) {
            files.copyFile(package::namedPath(packageFolder, name),
                           package::namedPath(installed.folder, name));
        }
        writeNewFile(installed.menuEntry,
                     desktopEntry(installed.menuName,
                                  package::namedPath(installed.folder, "pb.cc"), installed.folder));
    } catch (const std::exception& failure) {
        fs::remove_all(folder, error);
        throw InstallError(std::string("安装没有完成：") + failure.what());
    }
    return installed;
}

}  // namespace glint::installer
