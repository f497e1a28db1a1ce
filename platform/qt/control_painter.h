#pragma once

#include <QRegion>
#include <unordered_map>

#include "platform/control_colors.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/picture_stamp.h"

class QPainter;

namespace glint::platform::qt {

// Draws a form's visible windowless controls over its surface: first the frames, then the labels
// and images, then the picture boxes, each group in the form's z-order. Labels and images are
// windowless, so a window system draws them on the window itself, over the frames they sit in
// and under every control that has a window of its own. Buttons and text boxes are real widgets
// and draw themselves.
class ControlPainter : public ControlColors {
public:
    // Draws the controls that meet the region.
    void paint(QPainter& painter, const Form& form, const QRegion& region);

    // Where the control draws, in the window's pixels: its rectangle, and below it the lines of
    // a wrapping label's text that do not fit its height. The fonts here are taller than those
    // the dialogs were laid out for, and a second line cut in half would be unreadable.
    static QRect extentOf(const Control& control);

private:
    // Whether the picture a control shows holds kNoColor pixels, which Qt cannot draw from the
    // picture's own pixels. Looked for once per picture (the stamp tells a new one); nothing of
    // the pixels is kept.
    struct Holes {
        PictureStamp stamp;
        bool any = false;
    };

    void paintFrame(QPainter& painter, const Frame& frame, Rgb windowColor) const;
    void paintLabel(QPainter& painter, const Label& label, Rgb windowColor) const;
    void paintImageBox(QPainter& painter, const ImageBox& image);
    void paintPictureBox(QPainter& painter, const PictureBox& box, const QRegion& region);
    static void paintSunkenBorder(QPainter& painter, const QRect& rect);
    // Whether the picture can be drawn from its own pixels: it has no holes, and the painter draws
    // onto a target of a format that allows it.
    bool drawnAsItIs(const QPainter& painter, const Control& control, const Image& picture);

    std::unordered_map<const Control*, Holes> m_holes;
};

}  // namespace glint::platform::qt
