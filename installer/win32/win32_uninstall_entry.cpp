#include "installer/win32/win32_uninstall_entry.h"

#include "language/translate.h"
#include "package/paths.h"
#include "platform/win32/wide_text.h"

namespace glint::installer::win32 {
namespace {

using language::trf;
using platform::win32::narrow;
using platform::win32::widen;

constexpr const wchar_t* kShortcutValue = L"GlintShortcut";

bool writeText(HKEY key, const wchar_t* name, const std::string& value) {
    const std::wstring wide = widen(value);
    const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool writeNumber(HKEY key, const wchar_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

}  // namespace

std::string uninstallKeyName(const std::string& folder) {
    return "Glint " + folder.substr(folder.find_last_of("\\/") + 1);
}

void writeUninstallEntry(HKEY uninstall, const WindowsInstalled& installed) {
    HKEY key = nullptr;
    const std::wstring name = widen(uninstallKeyName(installed.folder));
    if (RegCreateKeyExW(uninstall, name.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        throw InstallError(trf("无法登记卸载程序（%1）", {narrow(name)}));
    }
    const std::string uninstaller = package::namedPath(installed.folder, kUninstallerName);
    const bool written =
        writeText(key, L"DisplayName", installed.menuName) &&
        writeText(key, L"UninstallString", "\"" + uninstaller + "\" " + kUninstallRequest) &&
        writeText(key, L"InstallLocation", installed.folder) &&
        writeText(key, L"DisplayIcon", uninstaller) && writeText(key, L"Publisher", "Glint") &&
        writeNumber(key, L"NoModify", 1) && writeNumber(key, L"NoRepair", 1) &&
        writeText(key, kShortcutValue, installed.shortcut);
    RegCloseKey(key);
    if (!written) {
        RegDeleteKeyW(uninstall, name.c_str());
        throw InstallError(trf("无法登记卸载程序（%1）", {narrow(name)}));
    }
}

std::optional<std::string> shortcutOf(HKEY uninstall, const std::string& folder) {
    const std::wstring name = widen(uninstallKeyName(folder));
    wchar_t value[MAX_PATH * 2] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(uninstall, name.c_str(), kShortcutValue, RRF_RT_REG_SZ, nullptr, value,
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return narrow(value);
}

bool deleteUninstallEntry(HKEY uninstall, const std::string& folder) {
    const LONG result = RegDeleteKeyW(uninstall, widen(uninstallKeyName(folder)).c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace glint::installer::win32
