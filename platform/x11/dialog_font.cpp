#include "platform/x11/dialog_font.h"

#include <algorithm>
#include <stdexcept>

#include "platform/x11/dialog_utf8.h"

namespace glint::platform::x11 {

DialogFont::DialogFont(Display* display, int screen, double pixelSize)
    : m_display(display), m_screen(screen), m_pattern(FcPatternCreate()) {
    FcPatternAddString(m_pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddDouble(m_pattern, FC_PIXEL_SIZE, pixelSize);
    // The dialogs speak Chinese: of the fonts that have a character, one made for Chinese first.
    FcPatternAddString(m_pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcConfigSubstitute(nullptr, m_pattern, FcMatchPattern);
    XftDefaultSubstitute(display, screen, m_pattern);
    FcResult result = FcResultMatch;
    m_sorted = FcFontSort(nullptr, m_pattern, FcTrue, nullptr, &result);
    if (m_sorted != nullptr) m_fonts.assign(static_cast<std::size_t>(m_sorted->nfont), nullptr);
    if (m_fonts.empty()) {
        m_fallback = XftFontOpen(display, screen, XFT_FAMILY, XftTypeString, "sans-serif",
                                 XFT_PIXEL_SIZE, XftTypeDouble, pixelSize, nullptr);
        if (m_fallback == nullptr) throw std::runtime_error("no font for the dialog");
    }
    for (const char32_t sample : {U'A', U'g', U'中'}) {
        const XftFont* font = fontFor(sample);
        m_ascent = std::max(m_ascent, font->ascent);
        m_descent = std::max(m_descent, font->descent);
    }
}

DialogFont::~DialogFont() {
    for (XftFont* font : m_fonts) {
        if (font != nullptr) XftFontClose(m_display, font);
    }
    if (m_fallback != nullptr) XftFontClose(m_display, m_fallback);
    if (m_sorted != nullptr) FcFontSetDestroy(m_sorted);
    FcPatternDestroy(m_pattern);
}

XftFont* DialogFont::opened(int index) {
    XftFont*& font = m_fonts[static_cast<std::size_t>(index)];
    if (font == nullptr) {
        FcPattern* prepared = FcFontRenderPrepare(nullptr, m_pattern, m_sorted->fonts[index]);
        if (prepared == nullptr) return nullptr;
        font = XftFontOpenPattern(m_display, prepared);
        if (font == nullptr) FcPatternDestroy(prepared);
    }
    return font;
}

XftFont* DialogFont::fontFor(char32_t character) {
    if (m_fallback != nullptr) return m_fallback;
    if (const auto known = m_chosen.find(character); known != m_chosen.end()) return known->second;
    XftFont* chosen = nullptr;
    for (int i = 0; i < m_sorted->nfont && chosen == nullptr; ++i) {
        FcCharSet* characters = nullptr;
        if (FcPatternGetCharSet(m_sorted->fonts[i], FC_CHARSET, 0, &characters) == FcResultMatch &&
            FcCharSetHasChar(characters, character)) {
            chosen = opened(i);
        }
    }
    // No font has it: the first one draws its box for a missing character.
    for (int i = 0; chosen == nullptr && i < m_sorted->nfont; ++i) chosen = opened(i);
    if (chosen == nullptr) throw std::runtime_error("no font for the dialog");
    return m_chosen[character] = chosen;
}

template <typename Run>
void DialogFont::forEachRun(std::string_view utf8, Run run) {
    std::size_t start = 0;
    XftFont* current = nullptr;
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character character = utf8CharacterAt(utf8, at);
        XftFont* font = fontFor(character.code);
        if (font != current && at > start) run(current, utf8.substr(start, at - start));
        if (font != current) start = at;
        current = font;
        at += character.length;
    }
    if (current != nullptr) run(current, utf8.substr(start));
}

int DialogFont::width(std::string_view utf8) {
    int total = 0;
    forEachRun(utf8, [&](XftFont* font, std::string_view run) {
        XGlyphInfo extents;
        XftTextExtentsUtf8(m_display, font, reinterpret_cast<const FcChar8*>(run.data()),
                           static_cast<int>(run.size()), &extents);
        total += extents.xOff;
    });
    return total;
}

void DialogFont::draw(XftDraw* target, const XftColor& colour, int x, int baseline,
                      std::string_view utf8) {
    forEachRun(utf8, [&](XftFont* font, std::string_view run) {
        const auto* bytes = reinterpret_cast<const FcChar8*>(run.data());
        const int length = static_cast<int>(run.size());
        XftDrawStringUtf8(target, &colour, font, x, baseline, bytes, length);
        XGlyphInfo extents;
        XftTextExtentsUtf8(m_display, font, bytes, length, &extents);
        x += extents.xOff;
    });
}

}  // namespace glint::platform::x11
