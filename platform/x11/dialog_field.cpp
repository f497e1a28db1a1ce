#include "platform/x11/dialog_field.h"

#include <algorithm>
#include <cstdlib>

namespace glint::platform::x11 {

namespace {

std::size_t digitsOf(long long value) {
    return std::to_string(std::llabs(value)).size();
}

}  // namespace

NumberField::NumberField(int initial, int minimum, int maximum)
    : m_initial(initial),
      m_minimum(std::min(minimum, maximum)),
      m_maximum(std::max(minimum, maximum)),
      m_maxDigits(std::max(digitsOf(m_minimum), digitsOf(m_maximum))) {
    show(std::clamp(initial, m_minimum, m_maximum));
}

void NumberField::show(int value) {
    m_text = std::to_string(value);
    m_caret = m_text.size();
    m_allSelected = true;
}

void NumberField::replaceSelection() {
    if (!m_allSelected) return;
    m_text.clear();
    m_caret = 0;
    m_allSelected = false;
}

void NumberField::type(char character) {
    const bool minus = character == '-';
    if (!minus && (character < '0' || character > '9')) return;
    if (minus && m_minimum >= 0) return;
    replaceSelection();
    if (minus) {
        if (m_caret != 0 || m_text.starts_with('-')) return;
    } else {
        const bool negative = m_text.starts_with('-');
        if ((negative && m_caret == 0) || m_text.size() - negative >= m_maxDigits) return;
    }
    m_text.insert(m_caret++, 1, character);
}

void NumberField::backspace() {
    if (m_allSelected) return replaceSelection();
    if (m_caret == 0) return;
    m_text.erase(--m_caret, 1);
}

void NumberField::deleteForward() {
    if (m_allSelected) return replaceSelection();
    if (m_caret < m_text.size()) m_text.erase(m_caret, 1);
}

void NumberField::moveLeft() {
    moveTo(m_caret > 0 ? m_caret - 1 : 0);
}

void NumberField::moveRight() {
    moveTo(m_caret + 1);
}

void NumberField::moveHome() {
    moveTo(0);
}

void NumberField::moveEnd() {
    moveTo(m_text.size());
}

void NumberField::moveTo(std::size_t caret) {
    m_caret = std::min(caret, m_text.size());
    m_allSelected = false;
}

void NumberField::step(int by) {
    const long long next = static_cast<long long>(value()) + by;
    show(static_cast<int>(std::clamp<long long>(next, m_minimum, m_maximum)));
}

int NumberField::value() const {
    const std::string digits = m_text.starts_with('-') ? m_text.substr(1) : m_text;
    if (digits.empty()) return std::clamp(m_initial, m_minimum, m_maximum);
    long long number = std::stoll(digits);
    if (m_text.starts_with('-')) number = -number;
    return static_cast<int>(std::clamp<long long>(number, m_minimum, m_maximum));
}

}  // namespace glint::platform::x11
