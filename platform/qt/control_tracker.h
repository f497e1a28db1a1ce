#pragma once

#include <QRect>
#include <QRegion>
#include <string>
#include <unordered_map>

#include "platform/form.h"
#include "platform/picture_stamp.h"

namespace glint::platform::qt {

// Notices where a form's controls changed their look since it last looked: the logic moves,
// shows, hides, re-captions and re-pictures them without telling anyone, and the window repaints
// only the places where that happened, both where a control was and where it is now.
class ControlTracker {
public:
    QRegion changes(const Form& form);

private:
    struct Look {
        bool visible = false;
        QRect extent;
        std::string caption;
        Rgb color = 0;
        bool transparent = false;
        PictureStamp picture;
        bool operator==(const Look&) const = default;
    };

    static Look lookOf(const Control& control);

    std::unordered_map<const Control*, Look> m_looks;
};

}  // namespace glint::platform::qt
