#pragma once

// The one-line text field of the number dialog, as its keys edit it: digits only (a minus sign
// first where the range allows negatives), the caret moved by Left, Right, Home and End, Up and
// Down stepping the value by one. The initial text is selected, so the first digit typed
// replaces it. No window system here.

#include <cstddef>
#include <string>

namespace glint::platform::x11 {

class NumberField {
public:
    NumberField(int initial, int minimum, int maximum);

    const std::string& text() const { return m_text; }
    std::size_t caret() const { return m_caret; }
    bool allSelected() const { return m_allSelected; }

    // Typed characters; anything but a digit (or a leading minus) is ignored, as is a digit past
    // the most the range can need.
    void type(char character);
    void backspace();
    void deleteForward();
    void moveLeft();
    void moveRight();
    void moveHome();
    void moveEnd();
    void moveTo(std::size_t caret);
    // Up and Down: the value plus or minus one, within the range, the whole text selected.
    void step(int by);

    // The text read as a number and clamped to the range; the initial value while the text holds
    // no digit.
    int value() const;

private:
    void replaceSelection();
    void show(int value);

    std::string m_text;
    std::size_t m_caret = 0;
    bool m_allSelected = true;
    int m_initial;
    int m_minimum;
    int m_maximum;
    std::size_t m_maxDigits;
};

}  // namespace glint::platform::x11
