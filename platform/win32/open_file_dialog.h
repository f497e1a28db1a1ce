#pragma once

// The system's file-open dialog.

#include <windows.h>

#include <string>

namespace glint::platform::win32 {

// The dialog's filter for a filter written as "description|pattern" pairs joined by "|": each
// "|" becomes a null character and a second one ends the list. A last description without a
// pattern is left out.
std::wstring dialogFilter(const std::string& filter);

// Shows the modal file-open dialog owned by the window (or by none): the filter's first entry
// chosen, the file name proposed, only an existing file accepted. Returns the chosen file's full
// path as UTF-8, or "" when the user cancelled.
std::string showOpenFileDialog(HWND owner, const std::string& filter, const std::string& fileName);

}  // namespace glint::platform::win32
