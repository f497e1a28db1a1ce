#pragma once

// A modal dialog of our own on X11: a light grey top-level window with the text, an optional
// number field and a row of buttons in the bottom right corner, shown until one is pressed.
// Return presses the focused button (the default one while the field has the focus), Escape and
// the window's close button the cancel button, Tab moves the focus, which a ring shows.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/dialog_field.h"

namespace glint::platform::x11 {

struct DialogRequest {
    std::string title;
    std::string text;                  // UTF-8; "\n" breaks a line
    std::vector<std::string> buttons;  // left to right
    std::size_t defaultButton = 0;
    std::size_t cancelButton = 0;
    // A letter per button, in the same order, that presses it ("yn"), or empty for none.
    std::string shortcuts;
};

// Shows the dialog on the display DISPLAY names and waits for the answer: the index of the button
// pressed. nullopt when there is no display to show it on, or no font to write with. With a field,
// it is shown above the buttons with the focus, and edited in place.
std::optional<std::size_t> runDialog(const DialogRequest& request, NumberField* field = nullptr);

}  // namespace glint::platform::x11
