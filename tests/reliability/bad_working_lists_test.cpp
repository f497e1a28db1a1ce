// The authoring program on working lists and package folders that are not what it wrote itself:
// every failure is a message, the program goes on, and no file of the user's is touched.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "maker/form3.h"
#include "maker/messages.h"
#include "package/quoted_list.h"
#include "platform/headless/headless_runtime.h"
#include "tests/maker/maker_harness.h"
#include "tests/player/player_harness.h"
#include "tests/reliability/odd_files.h"

namespace glint::reliability {
namespace {

namespace fs = std::filesystem;
using maker::kFileNotFoundMessage;
using testing::MakerHarness;
using testing::TempFolder;

using Make = std::function<void(const std::string& path)>;

void makeFolder(const std::string& path) {
    fs::create_directory(path);
}
void makeMalformedList(const std::string& path) {
    std::ofstream(path) << "\"/a.jpg\"\r\nx\r\n";
}
void makeDeviceLink(const std::string& path) {
    fs::create_symlink("/dev/zero", path);
}

struct BadWorkingLists : ::testing::Test {
    MakerHarness h;
    TempFolder user;  // where the user's own files lie
    std::map<std::string, std::string> userBytes;

    void SetUp() override {
        h.folder.write("pb.sys", "the player program");
        fs::permissions(h.folder.file("pb.sys"), fs::perms(0755));
    }
    // Whatever happened, every file of the user's still holds what it held.
    void TearDown() override {
        for (const auto& [path, bytes] : userBytes) EXPECT_EQ(TempFolder::readFile(path), bytes);
    }
    std::string userFile(const std::string& name, const std::string& bytes) {
        user.write(name, bytes);
        userBytes[user.file(name)] = bytes;
        return user.file(name);
    }
    void list(const char* workingList, const std::string& path) {
        package::appendQuotedLine(h.packageFile(workingList), path);
    }
    bool inPackage(const std::string& name) const { return fs::exists(h.packageFile(name)); }
    // A failed copy leaves no half-written file behind.
    void expectNoPartialCopies() const {
        for (const auto& entry : fs::directory_iterator(h.packageFile(""))) {
            EXPECT_EQ(entry.path().filename().string().find(".part-"), std::string::npos);
        }
    }
    // One build; true when it failed with the build's message and placed no player.
    bool buildFails() {
        const std::size_t before = h.desktop.messages().size();
        maker::Form3 dialog(h.services, h.desktop, h.files);
        dialog.Command1_Click();
        const auto& messages = h.desktop.messages();
        return messages.size() == before + 1 && messages.back() == kFileNotFoundMessage &&
               dialog.Command1.caption() != "成功！" && !inPackage("pb.cc");
    }
};

TEST_F(BadWorkingLists, AWorkingListThatCannotBeReadStopsTheBuildBeforeItsFilesAreListed) {
    const std::pair<const char*, Make> kinds[] = {
        {"a folder", makeFolder},
        {"a pipe", makePipe},
        {"a link loop", makeLinkLoop},
        {"a list with a line of one character", makeMalformedList},
    };
    for (const auto& [what, make] : kinds) {
        for (const char* workingList : {"dsi.ini", "mus_dsi.ini"}) {
            SCOPED_TRACE(std::string(workingList) + " is " + what);
            fs::remove_all(h.packageFile(""));
            fs::create_directory(h.packageFile(""));
            list("dsi.ini", userFile("a.jpg", "PICTURE"));
            list("mus_dsi.ini", userFile("m.wav", "MUSIC"));
            fs::remove(h.packageFile(workingList));
            make(h.packageFile(workingList));
            EXPECT_TRUE(buildFails());
            EXPECT_FALSE(inPackage("ms.dat"));
            EXPECT_EQ(inPackage("pb.dat"), workingList == std::string("mus_dsi.ini"));
        }
    }
}

TEST_F(BadWorkingLists, AListedPathThatIsNoFileStopsTheBuildAtItWithNothingHalfWritten) {
    const std::pair<const char*, Make> kinds[] = {
        {"a folder", makeFolder},
        {"a pipe", makePipe},
        {"a link loop", makeLinkLoop},
        {"a link to a device", makeDeviceLink},
        {"missing", [](const std::string&) {}},
    };
    for (const auto& [what, make] : kinds) {
        SCOPED_TRACE(what);
        fs::remove_all(h.packageFile(""));
        fs::create_directory(h.packageFile(""));
        list("dsi.ini", userFile("a.jpg", "FIRST"));
        const std::string odd = user.file(std::string("odd ") + what);
        make(odd);
        list("dsi.ini", odd);
        list("dsi.ini", userFile("c.jpg", "THIRD"));
        list("mus_dsi.ini", userFile("m.wav", "MUSIC"));
        EXPECT_TRUE(buildFails());
        EXPECT_EQ(h.readPackageFile("a.jpg"), "FIRST");
        EXPECT_FALSE(inPackage("c.jpg"));
        expectNoPartialCopies();
    }
}

TEST_F(BadWorkingLists, ABuildThatCannotWriteIntoThePackageFolderSaysSoAndLeavesItAsItWas) {
    const std::pair<const char*, Make> kinds[] = {
        {"pb.dat is a folder", [](const std::string& p) { makeFolder(p + "/pb.dat"); }},
        {"pb.dat is a pipe", [](const std::string& p) { makePipe(p + "/pb.dat"); }},
        {"a folder stands where the copy goes",
         [](const std::string& p) { makeFolder(p + "/a.jpg"); }},
    };
    for (const auto& [what, make] : kinds) {
        SCOPED_TRACE(what);
        fs::remove_all(h.packageFile(""));
        fs::create_directory(h.packageFile(""));
        list("dsi.ini", userFile("a.jpg", "PICTURE"));
        list("mus_dsi.ini", userFile("m.wav", "MUSIC"));
        make(h.packageFile(""));
        EXPECT_TRUE(buildFails());
        EXPECT_FALSE(fs::is_regular_file(h.packageFile("a.jpg")));
        expectNoPartialCopies();
    }
}

TEST_F(BadWorkingLists, ABuildIntoAReadOnlyPackageFolderSaysSo) {
    list("dsi.ini", userFile("a.jpg", "PICTURE"));
    list("mus_dsi.ini", userFile("m.wav", "MUSIC"));
    fs::permissions(h.packageFile(""), fs::perms(0555));
    const bool readOnly = ::access(h.packageFile("").c_str(), W_OK) != 0;
    if (!readOnly) {
        fs::permissions(h.packageFile(""), fs::perms(0755));
        GTEST_SKIP() << "running as root: a folder without write permission still takes files";
    }
    EXPECT_TRUE(buildFails());
    fs::permissions(h.packageFile(""), fs::perms(0755));
    EXPECT_FALSE(inPackage("pb.dat"));
    EXPECT_FALSE(inPackage("a.jpg"));
}

TEST_F(BadWorkingLists, AChoiceThatCannotBeAppendedToItsWorkingListIsReportedNamingTheList) {
    maker::FormMain& form = h.form();
    const std::string music = userFile("m.wav", "MUSIC");
    const std::string picture = userFile("a.jpg", "PICTURE");
    h.pictures.add(picture, platform::Image(4, 4, 1));
    makePipe(h.packageFile("mus_dsi.ini"));
    makeFolder(h.packageFile("dsi.ini"));
    h.desktop.answerOpenDialogs({music, picture});
    form.Picture2_Click();
    form.Picture1_Click();
    ASSERT_EQ(h.desktop.messages().size(), 2u);
    EXPECT_NE(h.desktop.messages()[0].find(h.packageFile("mus_dsi.ini")), std::string::npos);
    EXPECT_NE(h.desktop.messages()[1].find(h.packageFile("dsi.ini")), std::string::npos);
}

TEST_F(BadWorkingLists, AChosenFileInThePackageFolderIsNeverCopiedOverByOneOfTheSameName) {
    list("dsi.ini", userFile("own.jpg", "FROM ELSEWHERE"));
    h.folder.write(std::string(MakerHarness::kPackageFolder) + "/own.jpg", "KEPT IN THE PACKAGE");
    userBytes[h.packageFile("own.jpg")] = "KEPT IN THE PACKAGE";
    list("dsi.ini", h.packageFile("own.jpg"));
    list("mus_dsi.ini", userFile("m.wav", "MUSIC"));
    maker::Form3 dialog(h.services, h.desktop, h.files);
    dialog.Command1_Click();
    dialog.Command1_Click();
    EXPECT_TRUE(h.desktop.messages().empty());
    EXPECT_EQ(h.readPackageFile("own (2).jpg"), "FROM ELSEWHERE");
    EXPECT_EQ(h.readPackageFile("pb.dat"),
              "\"own (2).jpg\"\r\n\"own.jpg\"\r\n\"own (2).jpg\"\r\n\"own.jpg\"\r\n");
}

TEST_F(BadWorkingLists, ChosenNamesWithQuotesParentFoldersAndChineseReachThePlayerIntact) {
    maker::FormMain& form = h.form();
    fs::create_directory(user.file("假日"));
    const std::vector<std::string> chosen = {
        userFile("say \"cheese\".jpg", "Q"),
        user.path() + "/假日/../" + fs::path(userFile("海边 1.jpg", "S")).filename().string(),
        userFile("假日/\xBA\xA3.jpg", "G"),
    };
    for (std::size_t k = 0; k < chosen.size(); ++k)
        h.pictures.add(chosen[k], platform::Image(3, 2, 1));
    h.desktop.answerOpenDialogs(chosen);
    for (std::size_t k = 0; k < chosen.size(); ++k) form.Picture1_Click();
    h.desktop.answerOpenDialogs({userFile("晚风.wav", "MUSIC")});
    form.Picture2_Click();
    maker::Form3 dialog(h.services, h.desktop, h.files);
    dialog.Command1_Click();
    ASSERT_TRUE(h.desktop.messages().empty());

    // The player, copied into the package folder, finds every picture under its stored name.
    testing::PlayerHarness player;
    player.services.ownFolder = fs::path(h.packageFile("x")).parent_path().string();
    const std::vector<std::string> stored = {"say \"cheese\".jpg", "海边 1.jpg", "\xBA\xA3.jpg"};
    for (std::size_t k = 0; k < stored.size(); ++k) {
        player.pictures.add(h.packageFile(stored[k]),
                            platform::Image(3, 2, platform::rgb(static_cast<int>(k) + 1, 0, 0)));
    }
    const auto& ticks = player.recordTicks();
    EXPECT_EQ(player.run(60'000).end, platform::headless::RunResult::End::TimeLimit);
    ASSERT_GE(ticks.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(ticks[k].picture, platform::rgb(static_cast<int>(k) + 1, 0, 0)) << stored[k];
    }
    EXPECT_EQ(player.media.fileName(), h.packageFile("晚风.wav"));
}

}  // namespace
}  // namespace glint::reliability
