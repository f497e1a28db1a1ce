#include "platform/win32/open_file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

// Room for the longest path the system takes (32,767 characters) and its terminator.
constexpr std::size_t kPathBuffer = 32768;

}  // namespace

std::wstring dialogFilter(const std::string& filter) {
    const std::wstring wide = widen(filter);
    std::vector<std::wstring> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t bar = wide.find(L'|', begin);
        parts.push_back(wide.substr(begin, bar == std::wstring::npos ? bar : bar - begin));
        if (bar == std::wstring::npos) break;
        begin = bar + 1;
    }
    std::wstring entries;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        entries += parts[i];
        entries += L'\0';
        entries += parts[i + 1];
        entries += L'\0';
    }
    // The string's own terminator is the second null that ends the list.
    return entries;
}

std::string showOpenFileDialog(HWND owner, const std::string& filter, const std::string& fileName) {
    const std::wstring filters = dialogFilter(filter);
    std::vector<wchar_t> file(kPathBuffer, L'\0');
    const std::wstring proposed = widen(fileName);
    // A proposal longer than the dialog takes is left out rather than cut.
    if (proposed.size() < kPathBuffer) proposed.copy(file.data(), proposed.size());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    // The programs name every file by its full path, so the dialog may leave the working folder
    // alone.
    dialog.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return "";
    return narrow(file.data());
}

}  // namespace glint::platform::win32
