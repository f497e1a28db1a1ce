// The player on package folders whose lists are not what the authoring program writes: whatever
// lies there, the show either runs or ends with a report naming the file, its window gone.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

#include "package/text_encoding.h"
#include "platform/headless/headless_runtime.h"
#include "tests/player/player_harness.h"
#include "tests/reliability/odd_files.h"

namespace glint::reliability {
namespace {

namespace fs = std::filesystem;
using platform::headless::RunResult;
using testing::PlayerHarness;

constexpr const char* kLists[] = {"ms.dat", "kg.ini", "timu.dat", "pb.dat"};

// A package that plays: one picture, music on, a caption.
void writeShow(PlayerHarness& h) {
    h.addPicture("a.jpg", testing::solidPicture(8, 6, platform::rgb(200, 0, 0)));
    h.writePackage({"a.jpg"});
}

void expectReport(const RunResult& result, const std::string& report) {
    EXPECT_EQ(result.end, RunResult::End::Error);
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(result.windowShown);
    EXPECT_EQ(result.errorReport, report);
}

// Every byte but the line ends and NUL, in a fixed shuffled order: one long line of binary. (A
// name cut short by a NUL is reported as far as the NUL: no file name can hold one.)
std::string binaryLine() {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    }
    std::shuffle(bytes.begin(), bytes.end(), std::mt19937(7));
    return bytes;
}

TEST(BadPackage, AListThatIsNoReadableFileEndsTheShowWithAReportNamingIt) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* report;
    };
    const Case cases[] = {
        {"a folder", [](const std::string& p) { fs::create_directory(p); }, "Not a file"},
        {"a pipe", makePipe, "Not a file"},
        {"a link to a device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
         "Not a file"},
        {"a link loop", makeLinkLoop, "Cannot open file"},
        {"a file whose reads fail",
         [](const std::string& p) { fs::create_symlink(kFileWhoseReadsFail, p); },
         "Cannot read file"},
    };
    for (const Case& c : cases) {
        for (const char* list : kLists) {
            SCOPED_TRACE(std::string(list) + " is " + c.what);
            PlayerHarness h;
            writeShow(h);
            fs::remove(h.folder.file(list));
            c.make(h.folder.file(list));
            expectReport(h.run(10'000), std::string(c.report) + ": " + h.folder.file(list));
        }
    }
}

TEST(BadPackage, AListWithoutReadPermissionEndsTheShowWithAReportNamingIt) {
    PlayerHarness h;
    writeShow(h);
    if (!revokeReading(h.folder.file("kg.ini"))) {
        GTEST_SKIP() << "running as root: taking the permissions away does not stop reads";
    }
    expectReport(h.run(10'000), "Cannot open file: " + h.folder.file("kg.ini"));
}

TEST(BadPackage, ALineOfOneCharacterAnywhereInAListEndsTheShowNamingFileAndLine) {
    for (const char* list : kLists) {
        PlayerHarness h;
        writeShow(h);
        h.folder.write(list, "\"a.jpg\"\r\nx\r\n\"1\"\r\n");
        expectReport(h.run(10'000),
                     "Invalid list line 2 (shorter than two characters): " + h.folder.file(list));
    }
}

TEST(BadPackage, EmptyListsLeaveOutWhatTheyWouldHaveGivenAndTheShowRuns) {
    for (const char* list : kLists) {
        SCOPED_TRACE(list);
        PlayerHarness h;
        writeShow(h);
        h.folder.write(list, "");
        const RunResult result = h.run(30'000);
        EXPECT_EQ(result.end, RunResult::End::TimeLimit);
        EXPECT_TRUE(h.cursor.hidden());
    }
}

TEST(BadPackage, BinaryListsAreReadAsTheBytesTheyHold) {
    const std::string binary = binaryLine();
    PlayerHarness caption;
    writeShow(caption);
    caption.folder.write("timu.dat", binary);
    EXPECT_EQ(caption.run(30'000).end, RunResult::End::TimeLimit);
    EXPECT_EQ(caption.form().Label3.caption(), binary.substr(1, binary.size() - 2));
    EXPECT_TRUE(package::isValidUtf8(caption.form().Label3.displayCaption()));

    PlayerHarness music;
    writeShow(music);
    music.folder.write("ms.dat", binary);
    music.folder.write("kg.ini", binary);
    EXPECT_EQ(music.run(30'000).end, RunResult::End::TimeLimit);
    EXPECT_TRUE(music.media.requests().empty());  // the switch is not "1"

    PlayerHarness pictures;
    writeShow(pictures);
    pictures.folder.write("pb.dat", binary);
    expectReport(pictures.run(30'000),
                 "File not found: " + pictures.folder.file(binary.substr(1, binary.size() - 2)));
}

TEST(BadPackage, NamesWithParentFoldersQuotesAndChineseShowTheFilesTheyName) {
    PlayerHarness h;
    const std::string own = fs::path(h.folder.path()).filename().string();
    fs::create_directory(h.folder.file("sub"));
    const std::vector<std::string> names = {"sub/../a.jpg", "../" + own + "/b.jpg", "\"q\".jpg",
                                            "海边 假日.jpg", "\xBA\xA3\xB1\xDF.jpg"};
    const std::vector<std::string> onDisk = {"a.jpg", "b.jpg", "\"q\".jpg", "海边 假日.jpg",
                                             "\xBA\xA3\xB1\xDF.jpg"};
    for (std::size_t k = 0; k < names.size(); ++k) {
        h.folder.write(onDisk[k], "picture");
        h.pictures.add(h.folder.file(names[k]),
                       testing::solidPicture(5, 5, platform::rgb(static_cast<int>(k) + 1, 0, 0)));
    }
    const std::string outside = "../" + own + "-gone.jpg";
    std::vector<std::string> listed = names;
    listed.push_back(outside);
    h.writePackage(listed);
    const auto& ticks = h.recordTicks();
    expectReport(h.run(120'000), "File not found: " + h.folder.file(outside));
    ASSERT_EQ(ticks.size(), names.size());
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        EXPECT_EQ(ticks[k].picture, platform::rgb(static_cast<int>(k) + 1, 0, 0)) << names[k];
    }
}

}  // namespace
}  // namespace glint::reliability
