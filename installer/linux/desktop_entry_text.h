#pragma once

// The quoting the files of the desktop's menus and autostart need, and the shell's; their texts
// in both languages.

#include <initializer_list>
#include <string>
#include <string_view>

namespace glint::installer {

// A value of a desktop entry key: a backslash and line breaks escaped, which would end the line.
std::string entryValue(const std::string& text);

// A key's lines, each value passed through entryValue: key=english, read by every desktop where no
// translation matches, and key[zh_CN]=chinese for each Chinese locale where the two differ. An
// entry is written once and read by whatever desktop the user logs into, so it carries both
// whatever language the installer speaks.
std::string entryKey(std::string_view key, const std::string& english, const std::string& chinese);

// entryKey with the English catalog's translation of a Chinese text of the catalogs, its values
// put in for %1 ...
std::string translatedEntryKey(std::string_view key, const char* chinese,
                               std::initializer_list<std::string_view> values = {});

// The English catalog's translation of a Chinese text, whatever language is in use.
std::string catalogEnglish(const char* chinese);

// One argument of an Exec line: quoted, with the characters special inside quotes escaped and
// the field-code character doubled. Pass the result through entryValue.
std::string execArgument(const std::string& argument);

// One word for the shell (sh): as it stands when it holds nothing the shell reads specially,
// otherwise in single quotes.
std::string shellWord(const std::string& word);

}  // namespace glint::installer
