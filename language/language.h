#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace glint::language {

// A language is named by its code: "zh" for Chinese, the source language every text is written
// in, or the code of a compiled-in catalog ("en"; po/*.po). English stands in for every language
// without a catalog.
inline constexpr std::string_view kChinese = "zh";
inline constexpr std::string_view kEnglish = "en";

// The language for a locale name such as "en_US.UTF-8", "zh_TW", "de" or "C", given the codes
// that have catalogs: Chinese for any "zh" and where the name names no language ("C", "POSIX",
// nothing), the name's language where there is a catalog for it, English otherwise.
std::string languageOfLocaleName(std::string_view name, const std::vector<std::string>& catalogs);

// The language a desktop asks for through its locale settings (each value or null), read as
// gettext reads them: the first of LC_ALL, LC_MESSAGES and LANG that is set chooses the locale;
// where that names a language, LANGUAGE (a list: its first entry), if set, names the one used.
std::string languageFromLocale(const char* languageList, const char* lcAll,
                               const char* lcMessages, const char* lang,
                               const std::vector<std::string>& catalogs);

}  // namespace glint::language
