#include "language/translate.h"

#include <map>

#include "language/compiled_catalogs.h"
#include "language/language.h"
#include "language/mo_catalog.h"

namespace glint::language {

namespace {

struct InUse {
    std::string code{kChinese};
    const MoCatalog* catalog = nullptr;
};

InUse& inUse() {
    static InUse state;
    return state;
}

const std::map<std::string_view, MoCatalog>& catalogs() {
    static const std::map<std::string_view, MoCatalog> all = [] {
        std::map<std::string_view, MoCatalog> read;
        for (const CompiledCatalog& compiled : compiledCatalogs()) {
            read.emplace(compiled.code, MoCatalog(compiled.bytes));
        }
        return read;
    }();
    return all;
}

}  // namespace

std::vector<std::string> catalogLanguages() {
    std::vector<std::string> codes;
    for (const auto& [code, catalog] : catalogs()) codes.emplace_back(code);
    return codes;
}

void useLanguage(std::string_view code) {
    const auto found = catalogs().find(code);
    InUse& state = inUse();
    state.catalog = found != catalogs().end() && found->second.valid() ? &found->second : nullptr;
    state.code = state.catalog != nullptr ? std::string(code) : std::string(kChinese);
}

const std::string& languageInUse() {
    return inUse().code;
}

bool inChinese() {
    return inUse().catalog == nullptr;
}

const char* tr(const char* chinese) {
    const MoCatalog* catalog = inUse().catalog;
    if (catalog == nullptr || *chinese == '\0') return chinese;
    const char* translated = catalog->find(chinese);
    return translated != nullptr ? translated : chinese;
}

const char* trIn(std::string_view code, const char* chinese) {
    const auto found = catalogs().find(code);
    if (found == catalogs().end() || *chinese == '\0') return chinese;
    const char* translated = found->second.find(chinese);
    return translated != nullptr ? translated : chinese;
}

std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            text += arguments.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace glint::language
