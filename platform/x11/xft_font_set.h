#pragma once

#include <string>
#include <vector>

#include "platform/text_metrics.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xft/Xft.h>

namespace glint::platform::x11 {

// The font captions are measured and drawn in: the desktop's default sans-serif font through
// fontconfig, and for each character it lacks (Chinese in a Latin font) the first font fontconfig
// falls back to that has it, as toolkits do. The line's height is the first font's.
class XftFontSet {
public:
    // Throws std::runtime_error when fontconfig finds no font at all.
    XftFontSet(Display* display, int screen, double pixelSize);
    ~XftFontSet();
    XftFontSet(const XftFontSet&) = delete;
    XftFontSet& operator=(const XftFontSet&) = delete;

    // The width the text advances and the line's height; an empty text measures 0 x 0.
    TextSize measure(const std::string& utf8Text) const;
    // Draws the text with the top of its line at y.
    void draw(XftDraw* target, const XftColor& color, int x, int y,
              const std::string& utf8Text) const;

private:
    struct Run {
        XftFont* font = nullptr;
        std::vector<FcChar32> text;
    };
    std::vector<Run> runsOf(const std::string& utf8Text) const;
    XftFont* fontFor(FcChar32 character) const;

    Display* m_display;
    XftFont* m_primary = nullptr;
    FcPattern* m_pattern = nullptr;
    FcFontSet* m_fallbacks = nullptr;
    // The fallbacks opened so far, by their place in m_fallbacks.
    mutable std::vector<XftFont*> m_opened;
};

}  // namespace glint::platform::x11
