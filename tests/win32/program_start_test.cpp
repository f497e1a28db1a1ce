// Starting programs as processes of their own, run as a Windows program (under Wine here).

#include "platform/win32/program_start.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "package/paths.h"
#include "platform/win32/wide_text.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::win32 {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using namespace std::chrono_literals;

// glint_start_marker.exe, built beside the test program.
fs::path markerProgram() {
    wchar_t own[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH * 4);
    return fs::path(own).parent_path() / L"glint_start_marker.exe";
}

// What the program at the path wrote when it ran; "" when it has not run within ten seconds.
std::string markerOf(const std::string& program) {
    const fs::path marker = package::filePath(program + ".started");
    for (int waited = 0; waited < 10000; waited += 20) {
        std::error_code error;
        if (fs::file_size(marker, error) > 0 && !error) {
            std::this_thread::sleep_for(50ms);  // written in one go, closed at once
            return TempFolder::readFile(program + ".started");
        }
        std::this_thread::sleep_for(20ms);
    }
    return "";
}

struct StartProgram : ::testing::Test {
    TempFolder folder;

    std::string place(const std::string& name) {
        const std::string path = folder.file(name);
        fs::create_directories(package::filePath(path).parent_path());
        fs::copy_file(markerProgram(), package::filePath(path));
        return path;
    }
};

TEST_F(StartProgram, APathWithSpacesStartsThatProgramWithThePathAsItsCommandLine) {
    // The first program a command line "C:\...\my programs 预览\preview one.exe" would run when
    // read unquoted.
    const std::string decoy = place("my.exe");
    const std::string program = place("my programs 预览\\preview one.exe");
    startProgramFile(program);
    EXPECT_EQ(markerOf(program), program + "\n\"" + program + "\"\n");
    EXPECT_FALSE(fs::exists(package::filePath(decoy + ".started")));
}

TEST_F(StartProgram, AProgramStartsWhateverItsExtension) {
    // The player lies beside the authoring program as pb.sys.
    const std::string player = place("pb.sys");
    startProgramFile(player);
    EXPECT_EQ(markerOf(player), player + "\n\"" + player + "\"\n");
}

TEST_F(StartProgram, AMissingOrNonProgramFileIsReportedByName) {
    folder.write("notes.exe", "no program");
    for (const std::string& path : {folder.file("missing.exe"), folder.file("notes.exe")}) {
        try {
            startProgramFile(path);
            ADD_FAILURE() << path;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot start program: " + path);
        }
    }
}

}  // namespace
}  // namespace glint::platform::win32
