#include "package/linux_run_header.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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

}  // namespace
}  // namespace glint::package
