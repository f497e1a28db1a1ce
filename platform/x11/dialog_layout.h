#pragma once

// Where the parts of a dialog go, in device pixels, worked out apart from any window system so it
// can be checked on its own: the text broken into lines, the dialog's size, the text field and
// the buttons in the bottom right corner.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glint::platform::x11 {

// The width in device pixels of a run of UTF-8 text in the dialog's font.
using TextWidth = std::function<int(std::string_view)>;

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

// The text's lines: each "\n" ends one, and a line wider than maxWidth breaks after the last space
// or slash that fits, or between two characters where a wide (CJK) one is involved; a run with
// no such place breaks between any two characters. Spaces at a break are dropped; nothing else
// is, so the lines put together hold every character of the text.
std::vector<std::string> wrapText(std::string_view text, int maxWidth, const TextWidth& width);

// What a dialog holds, measured in device pixels.
struct DialogContent {
    double scale = 1.0;  // device pixels per pixel of a 96-dpi desktop
    int lineHeight = 0;
    std::vector<int> lineWidths;
    std::vector<int> buttonLabelWidths;  // left to right
    bool hasField = false;
};

struct DialogLayout {
    int width = 0;
    int height = 0;
    Box text;  // the first line's top left; lineHeight apart downwards
    std::optional<Box> field;
    std::vector<Box> buttons;
};

// The widest a line of text may be before it wraps, at this scale.
int wrapWidth(double scale);

DialogLayout layOutDialog(const DialogContent& content);

}  // namespace glint::platform::x11
