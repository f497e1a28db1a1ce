#include <gtest/gtest.h>

#include "package/paths.h"

#include <filesystem>

#include "maker/dialog_layout.h"
#include "maker/form2.h"
#include "maker/form3.h"
#include "maker/messages.h"
#include "tests/maker/maker_harness.h"

namespace glint::maker {
namespace {

namespace fs = std::filesystem;
using testing::MakerHarness;

struct MainCommands : ::testing::Test {
    MakerHarness h;
    FormMain& f = h.form();
    const std::vector<std::string>& messages() const { return h.desktop.messages(); }
};

TEST_F(MainCommands, InstallBeforeAnyInstallerWasPlacedSaysSoEveryTime) {
    f.Picture4_Click();
    f.Picture4_Click();
    EXPECT_EQ(messages(), (std::vector<std::string>{kFileNotFoundMessage, kFileNotFoundMessage}));
}

TEST_F(MainCommands, InstallStartsThePlacedInstallerAndLeavesTheButtonAsItIs) {
    h.folder.write(std::string(MakerHarness::kPackageFolder) + "/setup.exe", "installer");
    fs::permissions(glint::package::filePath(h.packageFile("setup.exe")), fs::perms(0755));
    f.hover(f.Picture4, {0, 0, 5, 5});
    f.Picture4_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(h.desktop.startedPrograms(), std::vector<std::string>{h.packageFile("setup.exe")});
    EXPECT_EQ(f.Picture4.picture().pixel(0, 0), MakerHarness::hoverColor("004"));
}

TEST_F(MainCommands, BuildAndNewProjectOpenTheirDialogsModallyFromTheNormalState) {
    f.hover(f.Picture3, {0, 0, 5, 5});
    f.Picture3_Click();
    f.hover(f.Picture5, {0, 0, 5, 5});
    f.Picture5_Click();
    EXPECT_EQ(h.desktop.modalDialogs(), (std::vector<std::string>{"Form3", "Form2"}));
    EXPECT_EQ(f.Picture3.picture().pixel(0, 0), MakerHarness::normalColor("003"));
    EXPECT_EQ(f.Picture5.picture().pixel(0, 0), MakerHarness::normalColor("005"));
    EXPECT_EQ(f.mouseCapture(), nullptr);
}

struct NewProject : MainCommands {
    void SetUp() override {
        for (const char* name : {"dsi.ini", "mus_dsi.ini", "pb.dat", "a.jpg", "setup.exe"}) {
            h.folder.write(std::string(MakerHarness::kPackageFolder) + "/" + name, "x");
        }
        fs::create_directory(glint::package::filePath(h.packageFile("sub")));
        h.folder.write(std::string(MakerHarness::kPackageFolder) + "/sub/keep.txt", "keep");
        h.folder.write("outside.txt", "outside");
        // Where the system lets a test make links (not under Wine), a link to a file outside.
        std::error_code noLinks;
        fs::create_symlink(glint::package::filePath(h.folder.file("outside.txt")),
                           glint::package::filePath(h.packageFile("link.txt")), noLinks);
    }
    std::vector<std::string> left() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(glint::package::filePath(h.packageFile("")))) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(NewProject, ConfirmingEmptiesThePackageFolderButKeepsSubfoldersAndLinkTargets) {
    Form2 dialog(h.services, h.desktop, h.files);
    h.desktop.showModal(dialog, f);
    EXPECT_EQ(dialog.title(), "屏幕保护制作");
    EXPECT_EQ(dialog.focusedControl(), &dialog.Command1);  // Enter confirms
    EXPECT_EQ(dialog.pixelRect(), (platform::Rect{374, 308, 276, 151}));
    dialog.Command1_Click();
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(left(), std::vector<std::string>{"sub"});
    EXPECT_EQ(h.folder.read("outside.txt"), "outside");
    EXPECT_EQ(h.readPackageFile("sub/keep.txt"), "keep");
    // After it the installer is gone too.
    f.Picture4_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{kFileNotFoundMessage});
}

TEST_F(NewProject, CancellingLeavesEveryFile) {
    const std::vector<std::string> before = left();
    h.desktop.actInModalDialogs(
        {[](platform::Form& d) { static_cast<Form2&>(d).Command2_Click(); }});
    f.Picture5_Click();
    EXPECT_EQ(left(), before);
}

TEST_F(NewProject, ConfirmingWithTheFolderMissingJustCloses) {
    fs::remove_all(glint::package::filePath(h.packageFile("")));
    Form2 dialog(h.services, h.desktop, h.files);
    dialog.Command1_Click();
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(messages().empty());
}

// The labels keep their default black text, so their windows must be light to be read.
TEST(Dialogs, AreTheLightGreyOfTheDesktopsDialogsUnderTheirDarkLabels) {
    MakerHarness h;
    Form2 newProject(h.services, h.desktop, h.files);
    Form3 build(h.services, h.desktop, h.files);
    for (platform::Form* dialog : std::initializer_list<platform::Form*>{&newProject, &build}) {
        EXPECT_EQ(dialog->surface().pixel(0, 0), kDialogBackColor) << dialog->name();
        for (const platform::Control* control : dialog->controls()) {
            if (const auto* label = dynamic_cast<const platform::Label*>(control)) {
                EXPECT_EQ(label->foreColor(), platform::rgb(0, 0, 0)) << label->name();
            }
        }
    }
}

}  // namespace
}  // namespace glint::maker
