#include "platform/qt/control_tracker.h"

#include "platform/frame.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/qt/control_painter.h"

namespace glint::platform::qt {

ControlTracker::Look ControlTracker::lookOf(const Control& control) {
    Look look;
    look.visible = control.visible();
    look.extent = ControlPainter::extentOf(control);
    if (const auto* label = dynamic_cast<const Label*>(&control)) {
        look.caption = label->caption();
        look.color = label->foreColor();
        look.transparent = label->transparent();
    } else if (const auto* frame = dynamic_cast<const Frame*>(&control)) {
        look.caption = frame->caption();
    } else if (const auto* box = dynamic_cast<const PictureBox*>(&control)) {
        look.picture = PictureStamp::of(box->picture());
    } else if (const auto* image = dynamic_cast<const ImageBox*>(&control)) {
        look.picture = PictureStamp::of(image->picture());
    }
    return look;
}

QRegion ControlTracker::changes(const Form& form) {
    QRegion changed;
    for (const Control* control : form.controls()) {
        const Look now = lookOf(*control);
        const auto known = m_looks.find(control);
        if (known == m_looks.end()) {
            if (now.visible) changed += now.extent;
            m_looks.emplace(control, now);
            continue;
        }
        if (known->second == now) continue;
        if (known->second.visible) changed += known->second.extent;
        if (now.visible) changed += now.extent;
        known->second = now;
    }
    return changed;
}

}  // namespace glint::platform::qt
