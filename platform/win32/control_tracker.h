#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/form.h"
#include "platform/win32/control_painter.h"
#include "platform/picture_stamp.h"

namespace glint::platform::win32 {

// Notices where a form's drawn controls changed their look since it last looked: the logic moves,
// shows, hides, re-captions and re-pictures them without telling anyone, and the window repaints
// only the places where that happened, both where a control was and where it is now.
class ControlTracker {
public:
    // Extents are measured as the painter draws.
    explicit ControlTracker(const ControlPainter& painter) : m_painter(painter) {}

    std::vector<Rect> changes(const Form& form);

private:
    struct Look {
        bool visible = false;
        Rect extent;
        std::string caption;
        Rgb color = 0;
        bool transparent = false;
        PictureStamp picture;
        bool operator==(const Look&) const = default;
    };

    Look lookOf(const Control& control) const;

    const ControlPainter& m_painter;
    std::unordered_map<const Control*, Look> m_looks;
};

}  // namespace glint::platform::win32
