#include <gtest/gtest.h>

#include "installer/linux/desktop_entry_text.h"
#include "installer/linux/package_install.h"
#include "installer/linux/screensaver_registration.h"
#include "language/translate.h"
#include "package/quoted_list.h"
#include "platform/posix/posix_files.h"
#include "tests/support/temp_folder.h"

namespace glint::installer {
namespace {

const std::string kZhKeys =
    "Name[zh_CN]=卸载\nName[zh_TW]=卸载\nName[zh_HK]=卸载\nName[zh_SG]=卸载\n";

TEST(MenuEntryLanguages, TheEntryCarriesEnglishAndChineseWhateverLanguageTheInstallerSpeaks) {
    testing::TempFolder package, data;
    package.write("pb.cc", "player");
    for (const char* list : {"pb.dat", "ms.dat", "kg.ini", "timu.dat"}) package.write(list, "");
    package::appendQuotedLine(package.file("kg.ini"), "0");
    platform::posix::PosixFiles files;
    int number = 0;
    for (const std::string code : {"en", "zh"}) {
        language::useLanguage(code);
        const Installed unnamed = install(package.path(), planInstall(package.path()), data.path(),
                                          package.file("pb.cc"), files);
        const std::string n = " (" + std::to_string(++number) + ")";
        EXPECT_EQ(unnamed.menuName, (code == "en" ? "Glint Screensaver" : "Glint 屏保") + n);
        const std::string entry = testing::TempFolder::readFile(unnamed.menuEntry);
        EXPECT_NE(entry.find("\nName=Glint Screensaver" + n + "\nName[zh_CN]=Glint 屏保" + n),
                  std::string::npos)
            << entry;
        EXPECT_NE(entry.find("\nComment=Glint screensaver\nComment[zh_CN]=Glint 屏幕保护程序\n"),
                  std::string::npos);
        EXPECT_NE(entry.find("\nName=Set as Screensaver\nName[zh_CN]=设为屏幕保护程序\n"),
                  std::string::npos);
        EXPECT_NE(entry.find("\nName=Uninstall\n" + kZhKeys + "Exec="), std::string::npos);
    }
    // A caption is the user's own: one name for every desktop, as before.
    const std::string captioned = desktopEntry("海边 2026 (1)", "/f");
    EXPECT_NE(captioned.find("\nName=海边 2026 (1)\nComment="), std::string::npos);
}

TEST(MenuEntryLanguages, EnglishMessagesNameTheMenuActionAsTheEntryDoes) {
    language::useLanguage("en");
    const std::string message = noWatcherMessage({IdleWatcher::None, "xss-lock", false}, "X (1)");
    language::useLanguage("zh");
    EXPECT_NE(message.find("sudo apt install xss-lock"), std::string::npos) << message;
    EXPECT_NE(message.find("“" + catalogEnglish("设为屏幕保护程序") + "”"), std::string::npos)
        << message;
}

}  // namespace
}  // namespace glint::installer
