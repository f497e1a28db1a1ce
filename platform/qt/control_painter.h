#pragma once

#include <QImage>
#include <QRegion>
#include <unordered_map>

#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture_box.h"

class QPainter;

namespace glint::platform::qt {

// Draws a form's visible controls over its surface: first the labels, then the picture boxes,
// each group in the form's z-order. Labels are windowless, so a window system draws them on the
// window itself, under every control that has a window of its own.
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

    // Draws the controls that meet the region.
    void paint(QPainter& painter, const Form& form, const QRegion& region);

private:
    struct Cached {
        const Rgb* pixels = nullptr;
        int width = 0;
        int height = 0;
        QImage image;
    };

    void paintLabel(QPainter& painter, const Label& label, Rgb windowColor) const;
    void paintPictureBox(QPainter& painter, const PictureBox& box);
    static void paintSunkenBorder(QPainter& painter, const QRect& rect);
    const QImage& imageOf(const PictureBox& box);

    std::unordered_map<const PictureBox*, Cached> m_pictures;
};

}  // namespace glint::platform::qt
