#include "language/language.h"

#include <algorithm>

namespace glint::language {

namespace {

std::string_view languageCode(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@-"));
}

bool namesNoLanguage(std::string_view locale) {
    const std::string_view code = languageCode(locale);
    return code.empty() || code == "C" || code == "POSIX";
}

}  // namespace

std::string languageOfLocaleName(std::string_view name, const std::vector<std::string>& catalogs) {
    const std::string_view code = languageCode(name);
    if (namesNoLanguage(name) || code == kChinese) return std::string(kChinese);
    if (std::find(catalogs.begin(), catalogs.end(), code) != catalogs.end()) {
        return std::string(code);
    }
    return std::string(kEnglish);
}

std::string languageFromLocale(const char* languageList, const char* lcAll,
                               const char* lcMessages, const char* lang,
                               const std::vector<std::string>& catalogs) {
    const auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    const std::string_view locale =
        set(lcAll) ? lcAll : set(lcMessages) ? lcMessages : set(lang) ? lang : "";
    // Under "C" gettext ignores LANGUAGE: the programs speak the source language.
    if (namesNoLanguage(locale) || !set(languageList)) {
        return languageOfLocaleName(locale, catalogs);
    }
    const std::string_view list(languageList);
    return languageOfLocaleName(list.substr(0, list.find(':')), catalogs);
}

}  // namespace glint::language
