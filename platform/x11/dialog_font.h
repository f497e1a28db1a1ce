#pragma once

// The dialogs' font: fontconfig's default sans-serif font at a pixel size, with each character
// drawn by the first font in fontconfig's order of preference that has it, so Chinese shows
// wherever a CJK font is installed, whatever the default font is.

#include <X11/Xft/Xft.h>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace glint::platform::x11 {

class DialogFont {
public:
    DialogFont(Display* display, int screen, double pixelSize);
    ~DialogFont();
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;

    // Above the baseline, and a whole line, in device pixels: room for Latin and CJK alike.
    int ascent() const { return m_ascent; }
    int lineHeight() const { return m_ascent + m_descent; }

    int width(std::string_view utf8);
    // Valid UTF-8 only (see validUtf8).
    void draw(XftDraw* target, const XftColor& colour, int x, int baseline, std::string_view utf8);

private:
    XftFont* fontFor(char32_t character);
    XftFont* opened(int index);
    // Calls run(font, bytes) for each stretch of the text one font draws.
    template <typename Run>
    void forEachRun(std::string_view utf8, Run run);

    Display* m_display;
    int m_screen;
    FcPattern* m_pattern = nullptr;
    FcFontSet* m_sorted = nullptr;
    std::vector<XftFont*> m_fonts;  // m_sorted's fonts, opened when first needed
    XftFont* m_fallback = nullptr;  // where fontconfig gave no list
    std::unordered_map<char32_t, XftFont*> m_chosen;
    int m_ascent = 0;
    int m_descent = 0;
};

}  // namespace glint::platform::x11
