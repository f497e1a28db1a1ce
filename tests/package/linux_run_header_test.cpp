#include "package/linux_run_header.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/support/temp_folder.h"

namespace glint::package {
namespace {

using testing::TempFolder;

std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
        ::pclose(pipe);
    }
    return text;
}

bool installed(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(PosixCksum, AgreesWithTheCksumProgramForLengthsOfOneToThreeBytesAndLargeFiles) {
    if (!installed("cksum")) GTEST_SKIP() << "cksum is not installed";
    TempFolder folder;
    for (const std::size_t size : {0u, 1u, 255u, 256u, 65539u, 16777217u}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
        folder.write("f", bytes);
        const std::string expected = std::to_string(posixCksum(bytes)) + " " + std::to_string(size);
        EXPECT_EQ(output("cksum <'" + folder.file("f") + "'"), expected + "\n");
        EXPECT_EQ(posixCksumOfFile(folder.file("f")), posixCksum(bytes)) << size;
    }
}

TEST(LinuxRunHeader, IsExactlyTheHeaderSizeAndEveryShellAtHandReadsIt) {
    const std::string header = linuxRunHeader(123456789012u, 4294967295u);
    ASSERT_EQ(header.size(), kRunHeaderSize);
    EXPECT_EQ(header.rfind("#!/bin/sh\n", 0), 0u);
    EXPECT_NE(header.find("\nsize=123456789012\nsum=4294967295\n"), std::string::npos);
    TempFolder folder;
    folder.write("header", header);
    for (const std::string shell : {"sh", "dash", "bash", "busybox sh"}) {
        if (!installed(shell.substr(0, shell.find(' ')))) continue;
        EXPECT_EQ(std::system((shell + " -n '" + folder.file("header") + "'").c_str()), 0) << shell;
    }
}

}  // namespace
}  // namespace glint::package
