#include "installer/win32/win32_removal.h"

#include <filesystem>

#include "installer/win32/win32_install.h"
#include "installer/win32/win32_screensaver_setting.h"
#include "installer/win32/win32_uninstall_entry.h"
#include "language/translate.h"
#include "package/paths.h"
#include "platform/win32/wide_text.h"

namespace glint::installer::win32 {
namespace {

namespace fs = std::filesystem;
using language::trf;
using platform::win32::widen;

constexpr int kFolderTries = 50;
constexpr DWORD kFolderRetryMs = 100;

std::wstring longPath(const std::wstring& path) {
    wchar_t full[MAX_PATH * 2] = {};
    const DWORD length = GetLongPathNameW(path.c_str(), full, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(full, length) : path;
}

bool samePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(longPath(a).c_str(), -1, longPath(b).c_str(), -1, TRUE) ==
           CSTR_EQUAL;
}

// False when SCRNSAVE.EXE names the launcher and cannot be taken away.
bool withdrawScreensaver(HKEY desktop, const std::string& launcher) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(desktop, nullptr, L"SCRNSAVE.EXE", RRF_RT_REG_SZ, nullptr, value, &bytes) !=
            ERROR_SUCCESS ||
        !samePath(value, widen(launcher))) {
        return true;
    }
    return RegDeleteValueW(desktop, L"SCRNSAVE.EXE") == ERROR_SUCCESS;
}

bool removeFolder(const std::string& folder) {
    const fs::path path = package::filePath(folder);
    for (int attempt = 0; attempt < kFolderTries; ++attempt) {
        std::error_code error;
        fs::remove_all(path, error);
        if (!fs::exists(path, error)) return true;
        Sleep(kFolderRetryMs);
    }
    return false;
}

}  // namespace

std::vector<std::string> removeInstalled(HKEY desktop, HKEY uninstall, const std::string& folder) {
    std::vector<std::string> left;
    if (!withdrawScreensaver(desktop, package::namedPath(folder, kLauncherName))) {
        left.push_back(trf("屏幕保护程序的设置（%1）", {"SCRNSAVE.EXE"}));
    }
    if (const auto shortcut = shortcutOf(uninstall, folder)) {
        if (!DeleteFileW(widen(*shortcut).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
            left.push_back(trf("快捷方式 %1", {*shortcut}));
        }
    }
    if (!removeFolder(folder)) {
        left.push_back(trf("文件夹 %1", {folder}));
        return left;
    }
    if (!deleteUninstallEntry(uninstall, folder)) {
        left.push_back(trf("已安装程序列表里的“%1”", {uninstallKeyName(folder)}));
    }
    return left;
}

std::vector<std::string> removeUsersInstalled(const std::string& folder) {
    HKEY desktop = nullptr;
    HKEY uninstall = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                  &desktop);
    RegCreateKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, nullptr, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE | DELETE | KEY_ENUMERATE_SUB_KEYS, nullptr,
                    &uninstall, nullptr);
    std::vector<std::string> left = removeInstalled(desktop, uninstall, folder);
    if (desktop) RegCloseKey(desktop);
    if (uninstall) RegCloseKey(uninstall);
    return left;
}

}  // namespace glint::installer::win32
