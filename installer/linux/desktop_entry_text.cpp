#include "installer/linux/desktop_entry_text.h"

#include "language/language.h"
#include "language/translate.h"

namespace glint::installer {

std::string entryValue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::string entryKey(std::string_view key, const std::string& english, const std::string& chinese) {
    std::string lines = std::string(key) + "=" + entryValue(english) + "\n";
    if (chinese == english) return lines;
    for (const char* locale : {"zh_CN", "zh_TW", "zh_HK", "zh_SG"}) {
        lines += std::string(key) + "[" + locale + "]=" + entryValue(chinese) + "\n";
    }
    return lines;
}

std::string translatedEntryKey(std::string_view key, const char* chinese,
                               std::initializer_list<std::string_view> values) {
    return entryKey(key, language::format(catalogEnglish(chinese), values),
                    language::format(chinese, values));
}

std::string catalogEnglish(const char* chinese) {
    return language::trIn(language::kEnglish, chinese);
}

std::string execArgument(const std::string& argument) {
    std::string out = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

std::string shellWord(const std::string& word) {
    constexpr std::string_view kPlain =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,=:@";
    if (!word.empty() && word.find_first_not_of(kPlain) == std::string::npos) return word;
    std::string out = "'";
    for (const char c : word) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

}  // namespace glint::installer
