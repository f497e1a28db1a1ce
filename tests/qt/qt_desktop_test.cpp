// The desktop on Qt: the file dialog, the pop-up menu, built-in pictures and started programs.

#include "platform/qt/qt_desktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMenu>
#include <filesystem>
#include <stdexcept>

#include "platform/qt/qt_services.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::qt {
namespace {

using glint::testing::actOn;
using glint::testing::actOnModal;

constexpr const char* kPictureFilter =
    "图片(*.bmp)|*.bmp|图片(*.jpg)|*.jpg|图片(*.jpeg)|*.jpeg|所有文件(*.*)|*.*";

struct DesktopOnQt : ::testing::Test {
    glint::testing::TempFolder folder;
    std::unique_ptr<QtServices> qt = std::make_unique<QtServices>(folder.path());
    QtDesktop desktop{qt->runtime()};
    Form form{"Form", "Glint"};

    void SetUp() override {
        form.setClientSize(200, 100);
        qt->runtime().start(form);
    }
    void TearDown() override { qt.reset(); }

    // What the file dialog filters by with the entry chosen, and which files it then lists.
    static QStringList patternsOf(QFileDialog& dialog) {
        return dialog.findChild<QFileSystemModel*>()->nameFilters();
    }
};

TEST_F(DesktopOnQt, TheFileDialogOffersTheFilterAsWrittenAndGivesTheChosenPathsBytes) {
    folder.write("照片 1.jpg", "x");
    const std::string chosen = folder.file("照片 1.jpg");
    actOnModal([&](QWidget& window) {
        auto& dialog = static_cast<QFileDialog&>(window);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        const auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
        QStringList shown;
        for (int i = 0; types && i < types->count(); ++i) shown << types->itemText(i);
        EXPECT_EQ(shown,
                  QStringList({"图片(*.bmp)", "图片(*.jpg)", "图片(*.jpeg)", "所有文件(*.*)"}));
        EXPECT_EQ(patternsOf(dialog), QStringList{"*.bmp"});
        dialog.selectNameFilter(dialog.nameFilters().at(3));
        EXPECT_EQ(patternsOf(dialog), QStringList{"*"});  // names without a dot too
        glint::testing::typeFileName(dialog, chosen);
    });
    EXPECT_EQ(desktop.showOpenDialog(form, kPictureFilter, ""), chosen);

    // The next one opens where the last choice was; a cancel gives "".
    actOnModal([&](QWidget& window) {
        auto& dialog = static_cast<QFileDialog&>(window);
        EXPECT_EQ(dialog.directory().absolutePath().toStdString(), folder.path());
        dialog.reject();
    });
    EXPECT_EQ(desktop.showOpenDialog(form, kPictureFilter, ""), "");
}

TEST_F(DesktopOnQt, APopupMenuAnswersWithTheChosenCaptionsIndexSeparatorsCounted) {
    const std::vector<std::string> captions = {"软件帮助", "-", "访问软件网站", "-", "自动升级"};
    const auto popup = [] { return QApplication::activePopupWidget(); };
    actOn(popup, [](QWidget& window) {
        const QList<QAction*> entries = static_cast<QMenu&>(window).actions();
        EXPECT_EQ(entries.size(), 5);
        EXPECT_TRUE(entries.value(1) && entries[1]->isSeparator());
        if (entries.size() > 2) static_cast<QMenu&>(window).setActiveAction(entries[2]);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
    });
    EXPECT_EQ(desktop.showPopupMenu(form, captions), 2);
    actOn(popup, [](QWidget& window) { window.close(); });
    EXPECT_EQ(desktop.showPopupMenu(form, captions), -1);
}

TEST_F(DesktopOnQt, EveryBuiltInPictureComesAtItsSizeWithItsTransparencyPaintingNothing) {
    const struct {
        const char* name;
        int width;
        int height;
    } pictures[] = {
        {"background.jpg", 701, 407}, {"shiji.jpg", 34, 44},  {"sample_photo.jpg", 151, 198},
        {"question.png", 32, 32},     {"guan_1.jpg", 15, 11}, {"zuixiao_1.jpg", 15, 11},
        {"001_1.jpg", 139, 28},       {"002_1.jpg", 139, 28}, {"003_1.jpg", 139, 28},
        {"004_1.jpg", 139, 28},       {"005_1.jpg", 139, 28}};
    for (const auto& p : pictures) {
        const Image picture = desktop.builtInPicture(p.name);
        EXPECT_EQ(picture.width(), p.width) << p.name;
        EXPECT_EQ(picture.height(), p.height) << p.name;
    }
    // The question bubble's corner is transparent; its middle is not.
    const Image bubble = desktop.builtInPicture("question.png");
    EXPECT_EQ(bubble.pixel(0, 31), kNoColor);
    EXPECT_NE(bubble.pixel(16, 12), kNoColor);
    EXPECT_THROW(desktop.builtInPicture("missing.jpg"), std::invalid_argument);
}

TEST_F(DesktopOnQt, AStartedProgramRunsFromItsPathAsItStandsAndAFailureIsThrown) {
    namespace fs = std::filesystem;
    fs::create_directory(folder.file("with space"));
    const std::string program = folder.file("with space/run me.exe");
    folder.write("with space/run me.exe", "#!/bin/sh\necho \"$#\" > \"$0.ran\"\n");
    fs::permissions(program, fs::perms(0755));
    desktop.startProgram(program);
    for (int waited = 0; waited < 3000 && !fs::exists(program + ".ran"); waited += 20) {
        glint::testing::runEventsFor(20);
    }
    EXPECT_EQ(folder.read("with space/run me.exe.ran"), "0\n");  // no arguments

    folder.write("plain.txt", "not a program");
    EXPECT_THROW(desktop.startProgram(folder.file("plain.txt")), std::runtime_error);
    EXPECT_THROW(desktop.startProgram(folder.file("missing")), std::runtime_error);
}

}  // namespace
}  // namespace glint::platform::qt
