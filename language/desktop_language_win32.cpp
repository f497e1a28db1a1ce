#include <windows.h>

#include "language/language.h"
#include "language/translate.h"

namespace glint::language {

// The user's interface language: Chinese for any Chinese, else the language it names.
void useDesktopLanguage() {
    const LANGID shown = GetUserDefaultUILanguage();
    if (PRIMARYLANGID(shown) == LANG_CHINESE) {
        useLanguage(kChinese);
        return;
    }
    char code[16] = {};
    const LCID locale = MAKELCID(shown, SORT_DEFAULT);
    if (GetLocaleInfoA(locale, LOCALE_SISO639LANGNAME, code, sizeof code) <= 0) {
        useLanguage(kEnglish);
        return;
    }
    useLanguage(languageOfLocaleName(code, catalogLanguages()));
}

}  // namespace glint::language
