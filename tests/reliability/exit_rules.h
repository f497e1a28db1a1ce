#pragma once

// The player's exit table, worked out from what the input meets on the screen: the window, the
// picture box while it is shown, or the corner caption (a label, which takes the pointer's events
// over it and does nothing with them). Kept apart from the player's code, so a run can be checked
// against it event by event.

#include <optional>
#include <utility>

#include "platform/input_events.h"
#include "player/form1.h"

namespace glint::reliability {

struct ExitVerdict {
    bool ends = false;
    bool showsPointer = false;
    bool haltsMusic = false;
};

class ExitRules {
public:
    explicit ExitRules(const player::Form1& form) : m_form(form) {}

    // What the input does if it arrives now. Judging changes nothing.
    ExitVerdict judge(const platform::RawMouse& raw) const;
    ExitVerdict judgeKey() const;
    // The input arrived: remembers what later input depends on (the press, the first position).
    void arrived(const platform::RawMouse& raw);

private:
    enum class Target { None, Window, Picture, Caption };
    Target targetAt(int x, int y) const;

    const player::Form1& m_form;
    Target m_pressed = Target::None;
    // The first position of the pointer over the window, in pixels; a first move at (0, 0) does
    // not count as one.
    std::optional<std::pair<int, int>> m_first;
};

}  // namespace glint::reliability
