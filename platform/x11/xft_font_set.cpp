#include "platform/x11/xft_font_set.h"

#include <stdexcept>

namespace glint::platform::x11 {

XftFontSet::XftFontSet(Display* display, int screen, double pixelSize) : m_display(display) {
    m_pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddDouble(m_pattern, FC_PIXEL_SIZE, pixelSize);
    FcConfigSubstitute(nullptr, m_pattern, FcMatchPattern);
    XftDefaultSubstitute(display, screen, m_pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, m_pattern, &result);
    if (match) m_primary = XftFontOpenPattern(display, match);  // owns the pattern when opened
    if (!m_primary) {
        if (match) FcPatternDestroy(match);
        FcPatternDestroy(m_pattern);
        throw std::runtime_error("No font found for the caption (fontconfig)");
    }
    m_fallbacks = FcFontSort(nullptr, m_pattern, FcTrue, nullptr, &result);
    if (m_fallbacks) m_opened.assign(static_cast<std::size_t>(m_fallbacks->nfont), nullptr);
}

XftFontSet::~XftFontSet() {
    for (XftFont* font : m_opened) {
        if (font) XftFontClose(m_display, font);
    }
    if (m_fallbacks) FcFontSetDestroy(m_fallbacks);
    XftFontClose(m_display, m_primary);
    FcPatternDestroy(m_pattern);
}

XftFont* XftFontSet::fontFor(FcChar32 character) const {
    if (XftCharExists(m_display, m_primary, character) || !m_fallbacks) return m_primary;
    for (int i = 0; i < m_fallbacks->nfont; ++i) {
        FcCharSet* characters = nullptr;
        if (FcPatternGetCharSet(m_fallbacks->fonts[i], FC_CHARSET, 0, &characters) !=
                FcResultMatch ||
            !FcCharSetHasChar(characters, character)) {
            continue;
        }
        XftFont*& opened = m_opened[static_cast<std::size_t>(i)];
        if (!opened) {
            FcPattern* prepared = FcFontRenderPrepare(nullptr, m_pattern, m_fallbacks->fonts[i]);
            if (!prepared) continue;
            opened = XftFontOpenPattern(m_display, prepared);
            if (!opened) {
                FcPatternDestroy(prepared);
                continue;
            }
        }
        return opened;
    }
    // No font has it: the first one shows its sign for a missing character.
    return m_primary;
}

std::vector<XftFontSet::Run> XftFontSet::runsOf(const std::string& utf8Text) const {
    std::vector<Run> runs;
    const auto* at = reinterpret_cast<const FcChar8*>(utf8Text.data());
    int left = static_cast<int>(utf8Text.size());
    while (left > 0) {
        FcChar32 character = 0;
        int length = FcUtf8ToUcs4(at, &character, left);
        if (length <= 0) {
            // Not UTF-8 here: the byte shows as the replacement character.
            character = 0xFFFD;
            length = 1;
        }
        at += length;
        left -= length;
        XftFont* font = fontFor(character);
        if (runs.empty() || runs.back().font != font) runs.push_back({font, {}});
        runs.back().text.push_back(character);
    }
    return runs;
}

TextSize XftFontSet::measure(const std::string& utf8Text) const {
    if (utf8Text.empty()) return {0, 0};
    int width = 0;
    for (const Run& run : runsOf(utf8Text)) {
        XGlyphInfo extents{};
        XftTextExtents32(m_display, run.font, run.text.data(), static_cast<int>(run.text.size()),
                         &extents);
        width += extents.xOff;
    }
    return {width, m_primary->ascent + m_primary->descent};
}

void XftFontSet::draw(XftDraw* target, const XftColor& color, int x, int y,
                      const std::string& utf8Text) const {
    const int baseline = y + m_primary->ascent;
    for (const Run& run : runsOf(utf8Text)) {
        const int count = static_cast<int>(run.text.size());
        XftDrawString32(target, &color, run.font, x, baseline, run.text.data(), count);
        XGlyphInfo extents{};
        XftTextExtents32(m_display, run.font, run.text.data(), count, &extents);
        x += extents.xOff;
    }
}

}  // namespace glint::platform::x11
