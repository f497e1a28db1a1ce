#pragma once

// Placing a dialog's controls: positions and sizes in twips, those of controls inside a frame
// relative to the frame.

#include "platform/control.h"
#include "platform/form.h"
#include "platform/services.h"

namespace glint::maker {

// The dialogs' colour, which their opaque labels show behind the text: the light grey of a
// desktop's dialogs, on which the labels' default black text reads.
inline constexpr platform::Rgb kDialogBackColor = platform::rgb(240, 240, 240);

inline void placeAt(platform::Control& control, const platform::Control* frame, float left,
                    float top) {
    control.setLeft(left + (frame ? frame->left() : 0.f));
    control.setTop(top + (frame ? frame->top() : 0.f));
}

// Whole pixels from twips, as a window system sizes a control.
inline int twipsToPixels(float twips) {
    return platform::roundHalfEven(static_cast<double>(twips) / platform::kTwipsPerPixel);
}

// The centre of the screen for a window of the form's outer size.
inline void centreOnScreen(platform::Form& form, const platform::Screen& screen) {
    form.setLeft(screen.widthTwips() / 2 - form.width() / 2);
    form.setTop(screen.heightTwips() / 2 - form.height() / 2);
}

}  // namespace glint::maker
