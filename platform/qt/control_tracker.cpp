#include "platform/qt/control_tracker.h"

#include "platform/label.h"
#include "platform/picture_box.h"

namespace glint::platform::qt {
namespace {

QRect toQRect(const Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

}  // namespace

ControlTracker::Look ControlTracker::lookOf(const Control& control) {
    Look look;
    look.visible = control.visible();
    look.rect = control.pixelRect();
    if (const auto* label = dynamic_cast<const Label*>(&control)) {
        look.caption = label->caption();
        look.color = label->foreColor();
        look.transparent = label->transparent();
    } else if (const auto* box = dynamic_cast<const PictureBox*>(&control)) {
        look.picture = box->picture().pixels().data();
        look.pictureWidth = box->picture().width();
        look.pictureHeight = box->picture().height();
    }
    return look;
}

QRegion ControlTracker::changes(const Form& form) {
    QRegion changed;
    for (const Control* control : form.controls()) {
        const Look now = lookOf(*control);
        const auto known = m_looks.find(control);
        if (known == m_looks.end()) {
            if (now.visible) changed += toQRect(now.rect);
            m_looks.emplace(control, now);
            continue;
        }
        if (known->second == now) continue;
        if (known->second.visible) changed += toQRect(known->second.rect);
        if (now.visible) changed += toQRect(now.rect);
        known->second = now;
    }
    return changed;
}

}  // namespace glint::platform::qt
