#include "platform/control_tracker.h"

#include "platform/frame.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/picture_box.h"

namespace glint::platform {

ControlTracker::Look ControlTracker::lookOf(const Control& control) const {
    Look look;
    look.visible = control.visible();
    // Measuring a wrapping label's text takes a while; a hidden control draws nowhere.
    look.extent = look.visible ? m_extentOf(control) : control.pixelRect();
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

std::vector<Rect> ControlTracker::changes(const Form& form) {
    std::vector<Rect> changed;
    const auto add = [&changed](const Rect& r) {
        if (!r.isEmpty()) changed.push_back(r);
    };
    for (const Control* control : form.controls()) {
        const Look now = lookOf(*control);
        const auto known = m_looks.find(control);
        if (known == m_looks.end()) {
            if (now.visible) add(now.extent);
            m_looks.emplace(control, now);
            continue;
        }
        if (known->second == now) continue;
        if (known->second.visible) add(known->second.extent);
        if (now.visible) add(now.extent);
        known->second = now;
    }
    return changed;
}

}  // namespace glint::platform
