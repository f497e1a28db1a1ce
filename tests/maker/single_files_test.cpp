#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "maker/form3.h"
#include "maker/messages.h"
#include "maker/single_files.h"
#include "package/linux_run_header.h"
#include "package/paths.h"
#include "package/quoted_list.h"
#include "package/show_file.h"
#include "tests/maker/maker_harness.h"

namespace glint::maker {
namespace {

namespace fs = std::filesystem;
using Stored = std::vector<std::pair<std::string, std::string>>;

struct SingleFiles : ::testing::Test {
    testing::MakerHarness h;
    testing::TempFolder chosen;
    Form3 dialog{h.services, h.desktop, h.files};
    std::vector<SystemPrograms> systems = systemPrograms(h.folder.path());

    // Each system's programs where the authoring program looks for them; each holds its path.
    void SetUp() override {
        for (const SystemPrograms& s : systems) {
            for (const std::string& program : {s.player, s.installer}) {
                fs::create_directories(package::filePath(program).parent_path());
                std::ofstream(package::filePath(program), std::ios::binary) << program;
            }
        }
    }
    void choose(const std::string& list, const std::string& name, const std::string& bytes) {
        chosen.write(name, bytes);
        package::appendQuotedLine(h.packageFile(list), chosen.file(name));
    }
    bool inPackage(const std::string& name) const {
        return fs::exists(package::filePath(h.packageFile(name)));
    }
    std::pair<std::string, Stored> read(const std::string& showFile) const {
        const std::string bytes = testing::TempFolder::readFile(h.packageFile(showFile));
        const package::ShowFileIndex index = package::readShowFile(h.packageFile(showFile));
        Stored files;
        for (const auto& f : index.files)
            files.emplace_back(f.name, bytes.substr(f.offset, f.size));
        return {bytes.substr(0, index.stubSize), files};
    }
};

TEST_F(SingleFiles, GenerateWritesOneFilePerSystemWithItsPlayerAndTheShowInUtf8) {
    choose("dsi.ini", "假日.jpg", "HOLIDAY");
    choose("dsi.ini", "a.jpg", "A");
    choose("dsi.ini", "假日.jpg", "HOLIDAY");
    choose("mus_dsi.ini", "晚风.mp3", "MUSIC");
    dialog.Text1.setText("给妈妈");
    dialog.Command1_Click();
    dialog.Command2_Click();
    for (const SystemPrograms& s : systems) {
        const auto [stub, files] = read(s.showFileName);
        EXPECT_EQ(files, (Stored{{"pb.cc", s.player},
                                 {"pb.dat", "\"假日.jpg\"\r\n\"a.jpg\"\r\n\"假日.jpg\"\r\n"},
                                 {"ms.dat", "\"晚风.mp3\"\r\n"},
                                 {"kg.ini", "\"1\"\r\n"},
                                 {"timu.dat", "\"给妈妈\"\r\n"},
                                 {"假日.jpg", "HOLIDAY"},
                                 {"a.jpg", "A"},
                                 {"晚风.mp3", "MUSIC"}}));
        const std::string header =
            package::linuxRunHeader(s.installer.size(), package::posixCksum(s.installer));
        EXPECT_EQ(stub, (s.shellHeader ? header : "") + s.installer);
    }
    dialog.Command1_Click();  // a build changes the show: the files of the earlier one go
    EXPECT_FALSE(inPackage(kWindowsShowFileName) || inPackage(kLinuxShowFileName));
}

TEST_F(SingleFiles, WhatIsMissingIsNamedAndOnlyWhatCanBeMadeIsWritten) {
    dialog.Command2_Click();  // before any build
    EXPECT_EQ(h.desktop.messages(), std::vector<std::string>{kSingleFilesNeedBuildMessage});
    EXPECT_FALSE(inPackage(kWindowsShowFileName) || inPackage(kLinuxShowFileName));
    choose("dsi.ini", "a.jpg", "A");
    choose("mus_dsi.ini", "m.wav", "M");
    dialog.Command1_Click();
    fs::remove(package::filePath(systems[1].installer));  // the other system's
    dialog.Command2_Click();
    EXPECT_NE(h.desktop.messages().back().find(systems[1].installer), std::string::npos);
    EXPECT_TRUE(inPackage(systems[0].showFileName) && !inPackage(systems[1].showFileName));
    fs::remove(package::filePath(h.packageFile("a.jpg")));  // listed: no file at all
    fs::remove(package::filePath(h.packageFile(systems[0].showFileName)));
    dialog.Command2_Click();
    EXPECT_NE(h.desktop.messages().back().find("“a.jpg”"), std::string::npos);
    EXPECT_FALSE(inPackage(systems[0].showFileName));
}

}  // namespace
}  // namespace glint::maker
