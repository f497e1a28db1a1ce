#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

#include "platform/form.h"
#include "platform/frame.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/win32/frame_buffer.h"
#include "platform/picture_stamp.h"

namespace glint::platform::win32 {

// Draws a form's visible windowless controls into its frame: first the frames, then the labels
// and images, then the picture boxes, each group in the form's z-order. Labels and images are
// windowless, so a window system draws them on the window itself, over the frames they sit in
// and under every control that has a window of its own. Buttons and text boxes are child windows
// and draw themselves.
class ControlPainter {
public:
    // The fixed single border of a picture box: two sunken rings, outer then inner, each with
    // its top-left and bottom-right colour.
    static constexpr Rgb kOuterShadow = 0x808080;
    static constexpr Rgb kOuterLight = 0xFFFFFF;
    static constexpr Rgb kInnerShadow = 0x404040;
    static constexpr Rgb kInnerLight = 0xD4D0C8;
    // What shows inside a box where it has no picture.
    static constexpr Rgb kBoxBackground = 0xD4D0C8;
    // A frame's etched line: a shadow with a light line beside it, and its caption's colour.
    static constexpr Rgb kFrameShadow = 0xA0A0A0;
    static constexpr Rgb kFrameLight = 0xFFFFFF;
    static constexpr Rgb kFrameText = 0x000000;

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
