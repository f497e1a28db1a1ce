#pragma once

// Stepping through UTF-8 text one character at a time, for the dialogs' wrapping and fonts.

#include <cstddef>
#include <string>
#include <string_view>

namespace glint::platform::x11 {

struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 1;  // in bytes
};

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character starting at text[at]. A byte that starts no valid character is one character of
// its own, U+FFFD, so stepping by length never skips or loops.
Utf8Character utf8CharacterAt(std::string_view text, std::size_t at);

// The text with every byte that starts no valid character replaced by U+FFFD.
std::string validUtf8(std::string_view text);

}  // namespace glint::platform::x11
