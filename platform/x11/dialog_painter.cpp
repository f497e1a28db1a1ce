#include "platform/x11/dialog_painter.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace glint::platform::x11 {

namespace {

// In the order of DialogPainter::Colour.
constexpr unsigned kRgb[] = {0xF0F0F0, 0x000000, 0xE1E1E1, 0xCCE4F7, 0xADADAD,
                             0x0078D7, 0x7A7A7A, 0xFFFFFF, 0x3399FF};

unsigned short channel(unsigned rgb, int shift) {
    return static_cast<unsigned short>((rgb >> shift & 0xFF) * 257);
}

}  // namespace

DialogPainter::DialogPainter(Display* display, int screen, int width, int height, DialogFont& font,
                             double scale)
    : m_display(display),
      m_visual(DefaultVisual(display, screen)),
      m_colormap(DefaultColormap(display, screen)),
      m_font(font),
      m_scale(scale),
      m_width(width),
      m_height(height),
      m_buffer(XCreatePixmap(display, RootWindow(display, screen), static_cast<unsigned>(width),
                             static_cast<unsigned>(height),
                             static_cast<unsigned>(DefaultDepth(display, screen)))),
      m_gc(XCreateGC(display, m_buffer, 0, nullptr)),
      m_draw(XftDrawCreate(display, m_buffer, m_visual, m_colormap)) {
    for (int i = 0; i < kColourCount; ++i) {
        const XRenderColor value{channel(kRgb[i], 16), channel(kRgb[i], 8), channel(kRgb[i], 0),
                                 0xFFFF};
        XftColorAllocValue(display, m_visual, m_colormap, &value, &m_colours[i]);
    }
}

DialogPainter::~DialogPainter() {
    for (XftColor& colour : m_colours) XftColorFree(m_display, m_visual, m_colormap, &colour);
    XftDrawDestroy(m_draw);
    XFreeGC(m_display, m_gc);
    XFreePixmap(m_display, m_buffer);
}

unsigned long DialogPainter::backgroundPixel() const {
    return m_colours[kBackground].pixel;
}

int DialogPainter::scaled(double size) const {
    return std::max(1, static_cast<int>(std::lround(size * m_scale)));
}

void DialogPainter::fill(const Box& box, Colour colour) {
    XftDrawRect(m_draw, &m_colours[colour], box.x, box.y, static_cast<unsigned>(box.width),
                static_cast<unsigned>(box.height));
}

void DialogPainter::outline(const Box& box, int thickness, Colour colour) {
    fill({box.x, box.y, box.width, thickness}, colour);
    fill({box.x, box.y + box.height - thickness, box.width, thickness}, colour);
    fill({box.x, box.y, thickness, box.height}, colour);
    fill({box.x + box.width - thickness, box.y, thickness, box.height}, colour);
}

void DialogPainter::paint(const DialogView& view, Window window) {
    fill({0, 0, m_width, m_height}, kBackground);
    int top = view.layout.text.y;
    for (const std::string& line : view.lines) {
        m_font.draw(m_draw, m_colours[kText], view.layout.text.x, top + m_font.ascent(), line);
        top += m_font.lineHeight();
    }
    if (view.field != nullptr && view.layout.field) {
        paintField(*view.layout.field, *view.field, view.fieldFocused);
    }
    for (std::size_t i = 0; i < view.buttons.size() && i < view.layout.buttons.size(); ++i) {
        paintButton(view.layout.buttons[i], view.buttons[i], i == view.ringed, view.pressed == i);
    }
    XCopyArea(m_display, m_buffer, window, m_gc, 0, 0, static_cast<unsigned>(m_width),
              static_cast<unsigned>(m_height), 0, 0);
    XFlush(m_display);
}

void DialogPainter::paintField(const Box& box, const NumberField& field, bool focused) {
    fill(box, kWhite);
    outline(box, scaled(1), focused ? kRing : kFieldBorder);
    const std::string& text = field.text();
    const int x = fieldTextX(box);
    const int textTop = box.y + (box.height - m_font.lineHeight()) / 2;
    Colour ink = kText;
    if (field.allSelected() && !text.empty()) {
        fill({x, textTop, m_font.width(text), m_font.lineHeight()}, focused ? kSelection : kBorder);
        ink = kWhite;
    }
    m_font.draw(m_draw, m_colours[ink], x, textTop + m_font.ascent(), text);
    if (focused && !field.allSelected()) {
        const int caretX = x + m_font.width(std::string_view(text).substr(0, field.caret()));
        fill({caretX, textTop, scaled(1), m_font.lineHeight()}, kText);
    }
}

void DialogPainter::paintButton(const Box& box, const std::string& label, bool ringed,
                                bool pressed) {
    fill(box, pressed ? kPressedFace : kFace);
    outline(box, ringed ? scaled(2) : scaled(1), ringed ? kRing : kBorder);
    const int x = box.x + (box.width - m_font.width(label)) / 2;
    const int top = box.y + (box.height - m_font.lineHeight()) / 2;
    m_font.draw(m_draw, m_colours[kText], x, top + m_font.ascent(), label);
}

}  // namespace glint::platform::x11
