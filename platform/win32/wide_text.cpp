#include "platform/win32/wide_text.h"

#include <windows.h>

namespace glint::platform::win32 {
namespace {

constexpr UINT kUtf8 = CP_UTF8;

}  // namespace

std::wstring fromCodePage(std::string_view bytes, unsigned codePage) {
    if (bytes.empty()) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string toCodePage(std::wstring_view utf16, unsigned codePage, bool* exact) {
    if (exact) *exact = true;
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    // UTF-8 takes neither flags nor a default character; other code pages report a character they
    // lack, and never swap in a look-alike ("best fit") that would name another file.
    const bool utf8 = codePage == kUtf8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int length =
        WideCharToMultiByte(codePage, flags, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, utf16.data(), size, bytes.data(), length, nullptr,
                        usedDefaultOut);
    if (exact && usedDefault) *exact = false;
    return bytes;
}

std::wstring widen(std::string_view utf8) { return fromCodePage(utf8, kUtf8); }

std::string narrow(std::wstring_view utf16) { return toCodePage(utf16, kUtf8); }

}  // namespace glint::platform::win32
