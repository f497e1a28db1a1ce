#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

#include "platform/control_colors.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/picture_stamp.h"
#include "platform/win32/frame_buffer.h"

namespace glint::platform::win32 {

// Draws a form's visible windowless controls into its frame: first the frames, then the labels
// and images, then the picture boxes, each group in the form's z-order. Labels and images are
// windowless, so a window system draws them on the window itself, over the frames they sit in
// and under every control that has a window of its own. Buttons and text boxes are child windows
// and draw themselves.
class ControlPainter : public ControlColors {
public:
    // Captions are drawn in the font, which the painter does not own.
    explicit ControlPainter(HFONT font);
    ~ControlPainter();
    ControlPainter(const ControlPainter&) = delete;
    ControlPainter& operator=(const ControlPainter&) = delete;

    // Draws the controls that meet the clip, inside it.
    void paint(FrameBuffer& frame, const Form& form, const Rect& clip);

    // Where the control draws, in the window's pixels: its rectangle, and below it the lines of
    // a wrapping label's text that do not fit its height. The fonts here can be taller than
    // those the dialogs were laid out for, and a second line cut in half would be unreadable.
    Rect extentOf(const Control& control) const;

private:
    struct Stretched {
        PictureStamp stamp;
        Image image;
    };

    void paintFrame(FrameBuffer& frame, const Frame& control, Rgb windowColor, const Rect& clip);
    void paintLabel(FrameBuffer& frame, const Label& label, Rgb windowColor, const Rect& clip);
    void paintImageBox(FrameBuffer& frame, const ImageBox& image, const Rect& clip);
    static void paintPictureBox(FrameBuffer& frame, const PictureBox& box, const Rect& clip);
    static void paintSunkenBorder(FrameBuffer& frame, const Rect& r, const Rect& clip);
    void drawText(FrameBuffer& frame, const std::wstring& text, const Rect& r, UINT format,
                  Rgb color, const Rect& clip) const;
    int lineHeight() const;

    HFONT m_font;
    // Measures text in the font.
    HDC m_measure;
    std::unordered_map<const Control*, Stretched> m_stretched;
};

}  // namespace glint::platform::win32
