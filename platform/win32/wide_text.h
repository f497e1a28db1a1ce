#pragma once

// Texts inside the programs are UTF-8; the Windows API takes UTF-16.

#include <string>
#include <string_view>

namespace glint::platform::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// Between UTF-16 and a code page; "exact" is cleared when a character had no exact counterpart.
std::string toCodePage(std::wstring_view utf16, unsigned codePage, bool* exact = nullptr);
std::wstring fromCodePage(std::string_view bytes, unsigned codePage);

}  // namespace glint::platform::win32
