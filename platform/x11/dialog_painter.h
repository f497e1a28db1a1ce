#pragma once

// Draws a dialog, light grey like the programs' other dialogs: its text, the number field with
// its selection or caret, and the buttons with a ring round the one Return presses. Everything
// is drawn into a buffer first and then copied onto the window at once.

#include <X11/Xft/Xft.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/dialog_field.h"
#include "platform/x11/dialog_font.h"
#include "platform/x11/dialog_layout.h"

namespace glint::platform::x11 {

// The dialog as it stands at a paint. Texts are valid UTF-8.
struct DialogView {
    const DialogLayout& layout;
    const std::vector<std::string>& lines;
    const std::vector<std::string>& buttons;
    const NumberField* field = nullptr;
    bool fieldFocused = false;
    std::size_t ringed = 0;
    std::optional<std::size_t> pressed;
};

class DialogPainter {
public:
    DialogPainter(Display* display, int screen, int width, int height, DialogFont& font,
                  double scale);
    ~DialogPainter();
    DialogPainter(const DialogPainter&) = delete;
    DialogPainter& operator=(const DialogPainter&) = delete;

    unsigned long backgroundPixel() const;
    void paint(const DialogView& view, Window window);
    // Where the field's text begins, for placing the caret where it is clicked.
    int fieldTextX(const Box& field) const { return field.x + scaled(5); }

private:
    enum Colour {
        kBackground,
        kText,
        kFace,
        kPressedFace,
        kBorder,
        kRing,
        kFieldBorder,
        kWhite,
        kSelection,
        kColourCount
    };

    void paintField(const Box& box, const NumberField& field, bool focused);
    void paintButton(const Box& box, const std::string& label, bool ringed, bool pressed);
    void fill(const Box& box, Colour colour);
    void outline(const Box& box, int thickness, Colour colour);
    int scaled(double size) const;

    Display* m_display;
    Visual* m_visual;
    Colormap m_colormap;
    DialogFont& m_font;
    double m_scale;
    int m_width;
    int m_height;
    Pixmap m_buffer;
    GC m_gc;
    XftDraw* m_draw;
    XftColor m_colours[kColourCount];
};

}  // namespace glint::platform::x11
