#include "platform/win32/ui_font.h"

#include <cmath>
#include <cwchar>
#include <string>

#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

// Whose Latin letters are narrow enough for the dialogs' layout (">>>" fits between two buttons).
constexpr const wchar_t* kChineseFonts[] = {L"SimSun", L"WenQuanYi Zen Hei", L"Microsoft YaHei",
                                            L"Noto Sans CJK SC"};
constexpr double kDefaultPoints = 9;

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const std::wstring& family) {
    if (family.empty() || family.size() >= LF_FACESIZE) return false;
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::wcscpy(wanted.lfFaceName, family.c_str());
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, &noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// The character height of a font of this many points on the screen, as a font's height is asked
// for (negative: the character, not the cell).
LONG heightFor(double points) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return -static_cast<LONG>(std::lround(points * dotsPerInch / 72.0));
}

LOGFONTW defaultLook() {
    for (const wchar_t* family : kChineseFonts) {
        if (!installed(family)) continue;
        LOGFONTW look{};
        look.lfHeight = heightFor(kDefaultPoints);
        look.lfWeight = FW_NORMAL;
        look.lfCharSet = DEFAULT_CHARSET;
        std::wcscpy(look.lfFaceName, family);
        return look;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return metrics.lfMessageFont;
}

}  // namespace

Font::~Font() {
    if (m_handle) DeleteObject(m_handle);
}

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        if (m_handle) DeleteObject(m_handle);
        m_handle = other.m_handle;
        other.m_handle = nullptr;
    }
    return *this;
}

Font defaultFont() {
    const LOGFONTW look = defaultLook();
    return Font(CreateFontIndirectW(&look));
}

Font fontFor(const FontSpec& asked) {
    LOGFONTW look = defaultLook();
    const std::wstring family = widen(asked.family);
    if (installed(family)) std::wcscpy(look.lfFaceName, family.c_str());
    if (asked.pointSize > 0) look.lfHeight = heightFor(asked.pointSize);
    return Font(CreateFontIndirectW(&look));
}

}  // namespace glint::platform::win32
