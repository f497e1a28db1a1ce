#include "installer/win32/win32_screensaver_setting.h"

#include "installer/install_plan.h"
#include "language/translate.h"
#include "platform/win32/wide_text.h"

namespace glint::installer::win32 {
namespace {

using language::trf;
using platform::win32::narrow;
using platform::win32::widen;

void writeText(HKEY key, const wchar_t* name, const std::wstring& value) {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) !=
        ERROR_SUCCESS) {
        throw InstallError(trf("无法设置屏幕保护程序（%1）", {narrow(name)}));
    }
}

}  // namespace

std::string screensaverPath(const std::string& launcher) {
    if (launcher.find(' ') == std::string::npos) return launcher;
    const std::wstring full = widen(launcher);
    const DWORD size = GetShortPathNameW(full.c_str(), nullptr, 0);
    if (size == 0) return launcher;
    std::wstring shortPath(size, L'\0');
    const DWORD length = GetShortPathNameW(full.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size) return launcher;
    shortPath.resize(length);
    return narrow(shortPath);
}

void writeScreensaverSetting(HKEY desktop, const std::string& launcher) {
    writeText(desktop, L"SCRNSAVE.EXE", widen(screensaverPath(launcher)));
    writeText(desktop, L"ScreenSaveActive", L"1");
}

void makeUsersScreensaver(const std::string& launcher) {
    HKEY desktop = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &desktop, nullptr) != ERROR_SUCCESS) {
        throw InstallError(
            trf("无法打开屏幕保护程序的设置（%1）", {"HKEY_CURRENT_USER\\Control Panel\\Desktop"}));
    }
    try {
        writeScreensaverSetting(desktop, launcher);
    } catch (...) {
        RegCloseKey(desktop);
        throw;
    }
    RegCloseKey(desktop);
}

}  // namespace glint::installer::win32
