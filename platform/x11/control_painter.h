#pragma once

#include <map>

#include "platform/control_colors.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/x11/frame_buffer.h"
#include "platform/x11/xft_font_set.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xft/Xft.h>

namespace glint::platform::x11 {

// Draws the show's windowless controls as a window system does: the labels on the window itself,
// under every picture box, each group in the form's z-order. What is made of pixels (picture
// boxes with their border and picture, an opaque label's background) goes into the frame; the
// labels' text is drawn by the server (Xft) on the frame once it is there, kept off the picture
// boxes that lie over it.
class ControlPainter : public ControlColors {
public:
    ControlPainter(Display* display, Visual* visual, Colormap colormap, const XftFontSet& font);
    ~ControlPainter();
    ControlPainter(const ControlPainter&) = delete;
    ControlPainter& operator=(const ControlPainter&) = delete;

    // Where the control draws, in the window's pixels.
    static Rect extentOf(const Control& control) { return control.pixelRect(); }

    // Paints the pixels of the controls that meet the clip, inside it.
    void paintPixels(FrameBuffer& frame, const Form& form, const Rect& clip) const;
    // The part of the clip that paintPixels paints over whole whatever lies under it: inside
    // the first visible picture box whose picture has no holes (or which its background
    // fills), where nothing of the window's surface needs drawing first.
    static Rect coveredWhole(const Form& form, const Rect& clip);
    // Draws the labels' text that meets the clip on the target, inside it and outside every
    // visible picture box.
    void paintText(XftDraw* target, const Form& form, const Rect& clip);

private:
    static void paintPictureBox(FrameBuffer& frame, const PictureBox& box, const Rect& clip);
    static void paintSunkenBorder(FrameBuffer& frame, const Rect& r, const Rect& clip);
    const XftColor& colorOf(Rgb color);

    Display* m_display;
    Visual* m_visual;
    Colormap m_colormap;
    const XftFontSet& m_font;
    std::map<Rgb, XftColor> m_colors;
};

}  // namespace glint::platform::x11
