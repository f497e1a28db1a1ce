#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace glint::language {

// Marks a Chinese text kept in a constant for the catalogs; tr() translates it where it is shown.
constexpr const char* N_(const char* chinese) {
    return chinese;
}

// The codes of the languages whose catalogs are compiled in ("en").
std::vector<std::string> catalogLanguages();

// The language texts are shown in, for the whole process, like gettext's locale: Chinese until a
// program's main picks the desktop's (useDesktopLanguage) or a test picks one. A code without a
// catalog is Chinese.
void useLanguage(std::string_view code);
void useDesktopLanguage();
const std::string& languageInUse();
bool inChinese();

// The text in the language in use: the catalog's translation of the Chinese text, or the text as
// written (in Chinese, and where a catalog lacks it: the tests see that none does).
const char* tr(const char* chinese);
// The same in a given language, whichever is in use (a menu entry carries every language).
const char* trIn(std::string_view code, const char* chinese);

// The pattern (translated first by the caller) with %1 ... %9 replaced by the arguments.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// tr() and format() in one: the usual way to show a text with values in it.
inline std::string trf(const char* chinese, std::initializer_list<std::string_view> arguments) {
    return format(tr(chinese), arguments);
}

}  // namespace glint::language
