#include "installer/win32/win32_install.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>

#include "installer/win32/win32_shortcut.h"
#include "language/translate.h"
#include "package/paths.h"
#include "platform/win32/wide_text.h"

namespace glint::installer::win32 {
namespace {

namespace fs = std::filesystem;
using language::N_;
using language::tr;
using language::trf;
using platform::win32::narrow;
using platform::win32::widen;

// Long enough for any caption a person reads at a glance, short enough that the shortcut's full
// path stays far below the system's 260-character limit.
constexpr std::size_t kMenuNameCharacters = 60;

constexpr const char* kLocalData = N_("本地应用程序数据文件夹");

std::string knownFolder(REFKNOWNFOLDERID id, const char* what) {
    PWSTR path = nullptr;
    const HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path);
    std::string folder = SUCCEEDED(result) && path ? narrow(path) : std::string();
    CoTaskMemFree(path);
    if (folder.empty()) throw InstallError(trf("找不到%1", {tr(what)}));
    return folder;
}

// Characters Windows refuses in a file name, control characters among them.
bool forbiddenInName(wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
}

void writeNewFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(package::filePath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw InstallError(trf("无法写入文件：%1", {path}));
}

bool exists(const std::string& path) {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Makes the first folder root\screensaver-N that does not exist yet and whose shortcut name is
// free too, so that an installation never takes another's folder or shortcut.
WindowsInstalled makeFreeFolder(const InstallTarget& target, const std::string& caption) {
    for (int number = 1;; ++number) {
        WindowsInstalled installed;
        installed.folder = package::namedPath(target.root, "screensaver-" + std::to_string(number));
        installed.menuName = menuNameFor(caption, number);
        installed.shortcut = package::namedPath(target.programs, installed.menuName + ".lnk");
        if (exists(installed.shortcut)) continue;
        if (CreateDirectoryW(widen(installed.folder).c_str(), nullptr)) {
            installed.launcher = package::namedPath(installed.folder, kLauncherName);
            return installed;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            throw InstallError(trf("无法建立文件夹：%1", {installed.folder}));
        }
    }
}

}  // namespace

InstallTarget userTarget() {
    return {knownFolder(FOLDERID_LocalAppData, kLocalData) + "\\Glint\\Screensavers",
            knownFolder(FOLDERID_Programs, N_("「开始」菜单的程序文件夹"))};
}

std::string userIncomingFolder() {
    return knownFolder(FOLDERID_LocalAppData, kLocalData) + "\\Glint\\Incoming";
}

std::string menuNameFor(const std::string& caption, int number) {
    std::wstring name = widen(caption.empty() ? std::string(tr(kUnnamedShow)) : caption);
    for (wchar_t& c : name) {
        if (forbiddenInName(c)) c = L'_';
    }
    if (name.size() > kMenuNameCharacters) {
        name.resize(kMenuNameCharacters);
        // Never end on the first half of a surrogate pair.
        if (name.back() >= 0xD800 && name.back() <= 0xDBFF) name.pop_back();
    }
    // Windows drops spaces and dots at the end of a name.
    while (!name.empty() && (name.back() == L' ' || name.back() == L'.')) name.pop_back();
    if (name.empty()) name = L"Glint";
    return narrow(name) + " (" + std::to_string(number) + ")";
}

WindowsInstalled install(const std::string& packageFolder, const InstallPlan& plan,
                         std::string_view launcherImage, const std::string& setupProgram,
                         const InstallTarget& target, platform::Files& files) {
    std::error_code error;
    fs::create_directories(package::filePath(target.root), error);
    const WindowsInstalled installed = makeFreeFolder(target, plan.caption);
    try {
        for (const std::string& name : plan.files) {
            files.copyFile(package::namedPath(packageFolder, name),
                           package::namedPath(installed.folder, name));
        }
        writeNewFile(installed.launcher, launcherImage);
        files.copyFile(setupProgram, package::namedPath(installed.folder, kUninstallerName));
        saveShortcut(installed.shortcut,
                     {installed.launcher, "/s", installed.folder, tr("Glint 屏幕保护程序")});
    } catch (const std::exception& failure) {
        // The shortcut is the last step: a failure leaves none behind.
        fs::remove_all(package::filePath(installed.folder), error);
        throw InstallError(trf("安装没有完成：%1", {failure.what()}));
    }
    return installed;
}

}  // namespace glint::installer::win32
