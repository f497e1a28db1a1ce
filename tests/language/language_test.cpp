#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "language/language.h"
#include "language/mo_catalog.h"
#include "language/translate.h"

namespace glint::language {
namespace {

const std::vector<std::string> kCatalogs{"en"};

TEST(DesktopLanguage, ChineseForZhAndWhereNoLanguageIsNamedEnglishForEveryOther) {
    for (const char* chinese : {"zh_CN.UTF-8", "zh_TW", "zh", "C", "C.UTF-8", "POSIX", ""}) {
        EXPECT_EQ(languageOfLocaleName(chinese, kCatalogs), "zh") << chinese;
    }
    for (const char* english : {"en_US.UTF-8", "de_DE.UTF-8", "es", "fr_FR@euro", "zhx"}) {
        EXPECT_EQ(languageOfLocaleName(english, kCatalogs), "en") << english;
    }
    EXPECT_EQ(languageOfLocaleName("fr_FR", {"en", "fr"}), "fr");
}

TEST(DesktopLanguage, TheVariablesCountInGettextsOrder) {
    EXPECT_EQ(languageFromLocale(nullptr, nullptr, nullptr, nullptr, kCatalogs), "zh");
    EXPECT_EQ(languageFromLocale(nullptr, nullptr, nullptr, "de_DE.UTF-8", kCatalogs), "en");
    EXPECT_EQ(languageFromLocale(nullptr, "zh_CN.UTF-8", "en_US", "de_DE", kCatalogs), "zh");
    EXPECT_EQ(languageFromLocale(nullptr, "", "en_US", "zh_CN", kCatalogs), "en");
    EXPECT_EQ(languageFromLocale("zh_CN:en", nullptr, nullptr, "en_US.UTF-8", kCatalogs), "zh");
    EXPECT_EQ(languageFromLocale("de:zh", nullptr, nullptr, "zh_CN.UTF-8", kCatalogs), "en");
    // Under C no translation is looked for, as with gettext.
    EXPECT_EQ(languageFromLocale("en", nullptr, nullptr, "C.UTF-8", kCatalogs), "zh");
}

TEST(Translation, EnglishFromTheCompiledCatalogChineseAsWrittenAndValuesPutIn) {
    useLanguage("en");
    EXPECT_STREQ(tr("取消"), "Cancel");
    const char* unknown = "没有这个文字";
    EXPECT_EQ(tr(unknown), unknown);
    useLanguage("zh");
    EXPECT_STREQ(tr("取消"), "取消");
    useLanguage("xx");
    EXPECT_TRUE(inChinese());
    EXPECT_EQ(languageInUse(), "zh");
    EXPECT_EQ(format("%2 of %1, 100%", {"a", "b"}), "b of a, 100%");
    EXPECT_EQ(format("%3 stays", {"a"}), "%3 stays");
}

TEST(Translation, ACatalogWhoseTablesPointOutsideItTranslatesNothing) {
    // One entry "a" -> "b" as msgfmt lays it out: header, two tables, the strings.
    std::vector<unsigned char> mo(28 + 16 + 4, 0);
    const auto put = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) mo[at + i] = static_cast<unsigned char>(value >> (8 * i));
    };
    put(0, 0x950412de), put(8, 1), put(12, 28), put(16, 36);
    put(28, 1), put(32, 44), put(36, 1), put(40, 46);
    mo[44] = 'a', mo[46] = 'b';
    EXPECT_STREQ(MoCatalog(mo).find("a"), "b");
    EXPECT_EQ(MoCatalog(mo).find("c"), nullptr);
    put(40, 47);  // the translation runs past the end
    EXPECT_FALSE(MoCatalog(mo).valid());
    EXPECT_EQ(MoCatalog(std::span(mo).first(20)).find("a"), nullptr);
}

}  // namespace
}  // namespace glint::language
