#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/form.h"
#include "platform/picture_stamp.h"
#include "platform/rect.h"

namespace glint::platform {

// Notices where a form's drawn controls changed their look since it last looked: the logic moves,
// shows, hides, re-captions and re-pictures them without telling anyone, and a window repaints
// only the places where that happened, both where a control was and where it is now.
class ControlTracker {
public:
    // Where a visible control draws, in the window's pixels, as the backend's painter measures it.
    using Extent = std::function<Rect(const Control&)>;

    explicit ControlTracker(Extent extentOf) : m_extentOf(std::move(extentOf)) {}

    // The places to repaint, none of them empty.
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

    Extent m_extentOf;
    std::unordered_map<const Control*, Look> m_looks;
};

}  // namespace glint::platform
