// List texts on Windows: the ANSI code page, as every program of the system that reads them
// expects. Texts inside the programs are UTF-8.

#include "package/list_text.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace glint::package {
namespace {

constexpr unsigned kGb18030 = 54936;
// GBK, which GB18030 extends; for systems that lack GB18030.
constexpr unsigned kGbk = 936;

}  // namespace

bool listCanHold(const std::string& text) {
    const std::wstring wide = platform::win32::widen(text);
    bool exact = true;
    const std::string stored = platform::win32::toCodePage(wide, CP_ACP, &exact);
    // A character may also map to bytes that read back as another one.
    return exact && platform::win32::fromCodePage(stored, CP_ACP) == wide;
}

std::string toListText(const std::string& text) {
    return platform::win32::toCodePage(platform::win32::widen(text), CP_ACP);
}

std::string fromListText(std::string bytes) {
    return platform::win32::narrow(platform::win32::fromCodePage(bytes, CP_ACP));
}

std::string fromGb18030(const std::string& bytes) {
    const unsigned codePage = IsValidCodePage(kGb18030) ? kGb18030 : kGbk;
    // Character by character, strictly: a sequence the code page does not have becomes U+FFFD
    // and decoding goes on at the next byte.
    std::wstring text;
    std::size_t at = 0;
    while (at < bytes.size()) {
        wchar_t decoded[2];
        int got = 0;
        std::size_t length = 1;
        for (; length <= 4 && at + length <= bytes.size(); length *= 2) {
            got = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data() + at,
                                      static_cast<int>(length), decoded, 2);
            if (got > 0) break;
        }
        if (got > 0) {
            text.append(decoded, static_cast<std::size_t>(got));
            at += length;
        } else {
            text += L'\xFFFD';
            ++at;
        }
    }
    return platform::win32::narrow(text);
}

}  // namespace glint::package
