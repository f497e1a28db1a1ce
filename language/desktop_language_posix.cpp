#include <cstdlib>

#include "language/language.h"
#include "language/translate.h"

namespace glint::language {

void useDesktopLanguage() {
    useLanguage(languageFromLocale(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                   std::getenv("LC_MESSAGES"), std::getenv("LANG"),
                                   catalogLanguages()));
}

}  // namespace glint::language
