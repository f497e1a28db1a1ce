#include "platform/win32/executable_folder.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {

std::string executableFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L'\\');
    path.resize(separator == std::wstring::npos ? 0 : separator);
    return narrow(path);
}

}  // namespace glint::platform::win32
