#pragma once

#include <QRegion>
#include <string>
#include <unordered_map>

#include "platform/form.h"

namespace glint::platform::qt {

// Notices where a form's controls changed their look since it last looked: the logic moves,
// shows, hides and re-captions them without telling anyone, and the window repaints only the
// places where that happened, both where a control was and where it is now.
class ControlTracker {
public:
    QRegion changes(const Form& form);

private:
    struct Look {
        bool visible = false;
        Rect rect;
        std::string caption;
        Rgb color = 0;
        bool transparent = false;
        // A picture is told apart by its pixel buffer. A new picture is allocated while the old
        // one still lives, so it differs from the one shown, unless two replacements happen
        // between presentations and the second reuses the first one's memory.
        const Rgb* picture = nullptr;
        int pictureWidth = 0;
        int pictureHeight = 0;
        bool operator==(const Look&) const = default;
    };

    static Look lookOf(const Control& control);

    std::unordered_map<const Control*, Look> m_looks;
};

}  // namespace glint::platform::qt
