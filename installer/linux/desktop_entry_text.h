#pragma once

// The quoting the files of the desktop's menus and autostart need, and the shell's.

#include <string>

namespace glint::installer {

// A value of a desktop entry key: a backslash and line breaks escaped, which would end the line.
std::string entryValue(const std::string& text);

// One argument of an Exec line: quoted, with the characters special inside quotes escaped and
// the field-code character doubled. Pass the result through entryValue.
std::string execArgument(const std::string& argument);

// One word for the shell (sh): as it stands when it holds nothing the shell reads specially,
// otherwise in single quotes.
std::string shellWord(const std::string& word);

}  // namespace glint::installer
