#include "package/linux_run_header.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "language/language.h"
#include "tests/support/temp_folder.h"

namespace glint::package {
namespace {

bool installed(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null").c_str()) == 0;
}

TEST(PosixCksum, AgreesWithTheCksumProgramForLengthsOfNoneToFourBytes) {
    if (!installed("cksum")) GTEST_SKIP() << "cksum is not installed";
    testing::TempFolder folder;
    for (const std::size_t size : {0u, 1u, 256u, 65539u, 16777217u}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
        folder.write("f", bytes);
        char printed[64] = {};
        FILE* cksum = ::popen(("cksum <'" + folder.file("f") + "'").c_str(), "r");
        ASSERT_TRUE(cksum && std::fgets(printed, sizeof printed, cksum));
        ::pclose(cksum);
        EXPECT_EQ(printed, std::to_string(posixCksum(bytes)) + " " + std::to_string(size) + "\n");
        EXPECT_EQ(posixCksumOfFile(folder.file("f")), posixCksum(bytes));
    }
}

TEST(LinuxRunHeader, IsExactlyTheHeaderSizeAndEveryShellAtHandReadsIt) {
    const std::string header = linuxRunHeader(123456789012u, 4294967295u);
    ASSERT_EQ(header.size(), kRunHeaderSize);
    EXPECT_NE(header.find("\nsize=123456789012\nsum=4294967295\n"), std::string::npos);
    testing::TempFolder folder;
    folder.write("header", header);
    for (const std::string shell : {"sh", "dash", "bash", "busybox"}) {
        if (!installed(shell)) continue;
        const std::string check = (shell == "busybox" ? "busybox sh" : shell) + " -n ";
        EXPECT_EQ(std::system((check + "'" + folder.file("header") + "'").c_str()), 0) << shell;
    }
}

TEST(LinuxRunHeader, SpeaksTheLanguageTheProgramsPickFromTheSameLocale) {
    testing::TempFolder folder;
    folder.write("cut.run", linuxRunHeader(100, 1));
    struct Locale {
        const char *language, *all, *messages, *lang;
    };
    for (const Locale& l :
         {Locale{"", "", "", "C"}, Locale{"", "", "", "de_DE.UTF-8"}, Locale{"", "", "", ""},
          Locale{"en", "C.UTF-8", "", "en_US"}, Locale{"fr:zh", "", "zh_TW.UTF-8", "C"},
          Locale{"zh_CN", "", "", "de"}}) {
        const std::string command = std::string("env -i LANGUAGE=") + l.language +
                                    " LC_ALL=" + l.all + " LC_MESSAGES=" + l.messages +
                                    " LANG=" + l.lang + " sh '" + folder.file("cut.run") + "' 2>&1";
        char said[64] = {};
        FILE* run = ::popen(command.c_str(), "r");
        ASSERT_TRUE(run && std::fgets(said, sizeof said, run));
        ::pclose(run);
        const bool chinese =
            language::languageFromLocale(l.language, l.all, l.messages, l.lang, {"en"}) == "zh";
        const std::string start = chinese ? "文件已损坏或不完整" : "The file is damaged";
        EXPECT_EQ(std::string(said).rfind(start, 0), 0u) << command << ": " << said;
    }
}

}  // namespace
}  // namespace glint::package
