// A phone photo larger than the screen, added on Qt: the real question box, and the fitted copy
// Qt scales and writes, upright and of the screen's size, in the package folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>

#include "platform/qt/qt_picture_fitting.h"
#include "platform/qt/qt_picture_loader.h"
#include "tests/qt/maker_fixture.h"
#include "tests/qt/qt_test_support.h"

namespace glint::maker {
namespace {

namespace fs = std::filesystem;
using glint::testing::actOn;
using glint::testing::near;
using platform::Image;
using platform::rgb;

QMessageBox* questionBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

void press(QWidget& widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

struct FittingOnQt : ::testing::Test, glint::testing::MakerFixture {
    FormMain& f = start();
    platform::qt::QtPictureLoader loader;
};

TEST_F(FittingOnQt, TheDefaultAnswerAddsAnUprightCopyOfTheScreensSizeToThePackageFolder) {
    const platform::PixelSize screen = fitting.screenDevicePixels();
    ASSERT_LT(screen.height, 1600);  // the offscreen platform's screen
    const std::string screenSize =
        std::to_string(screen.width) + " × " + std::to_string(screen.height);
    folder.write("IMG_0005.jpg", glint::testing::uprightPhoneJpeg(1600, 800).toStdString());
    const std::string chosen = folder.file("IMG_0005.jpg");
    actOn([] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); },
          [&](QWidget& dialog) {
              glint::testing::typeFileName(static_cast<QFileDialog&>(dialog), chosen);
          });
    bool asked = false;
    actOn(questionBox, [&](QWidget& window) {
        asked = true;
        auto& box = static_cast<QMessageBox&>(window);
        EXPECT_EQ(box.windowTitle().toStdString(), "Glint");
        EXPECT_TRUE(box.text().contains(
            QString::fromStdString("800 × 1600 像素，比屏幕的 " + screenSize + " 像素大")))
            << box.text().toStdString();
        QStringList buttons;
        for (const QAbstractButton* button : box.buttons()) buttons << button->text();
        buttons.sort();
        EXPECT_EQ(buttons, QStringList({"保持原样", "缩小到屏幕大小"}));
        ASSERT_NE(box.defaultButton(), nullptr);
        EXPECT_EQ(box.defaultButton()->text().toStdString(), "缩小到屏幕大小");
        ASSERT_NE(box.checkBox(), nullptr);
        EXPECT_FALSE(box.checkBox()->isChecked());
        EXPECT_EQ(box.checkBox()->text().toStdString(), "本次运行中其余的大图片也这样处理");
        press(box, Qt::Key_Return);
        if (box.isVisible()) box.done(0);
    });
    f.Picture1_Click();
    EXPECT_TRUE(asked);

    const std::string copy = packageFile("IMG_0005.jpg");
    EXPECT_EQ(glint::testing::TempFolder::readFile(packageFile("dsi.ini")), "\"" + copy + "\"\r\n");
    // Upright as the phone held it, without an orientation of its own: any viewer shows it so.
    const std::string bytes = glint::testing::TempFolder::readFile(copy);
    EXPECT_EQ(bytes.find("Exif"), std::string::npos);
    const Image written = loader.load(copy);
    ASSERT_EQ(written.height(), screen.height);
    ASSERT_EQ(written.width(), screen.height / 2);
    EXPECT_TRUE(near(written.pixel(screen.height / 4, screen.height / 4), rgb(255, 0, 0), 24));
    EXPECT_TRUE(near(written.pixel(screen.height / 4, screen.height * 3 / 4), rgb(0, 0, 255), 24));
    EXPECT_EQ(f.Image1.picture(), written);  // the preview shows the copy
    // Nothing else in the package folder (no temporary file), and the user's photo as it was.
    EXPECT_EQ(std::distance(fs::directory_iterator(packageFile("")), fs::directory_iterator()), 2);
    EXPECT_EQ(folder.read("IMG_0005.jpg"),
              glint::testing::uprightPhoneJpeg(1600, 800).toStdString());
}

TEST_F(FittingOnQt, EscapeKeepsThePictureAndTheCheckBoxIsAnswered) {
    for (const bool check : {false, true}) {
        actOn(questionBox, [&](QWidget& window) {
            auto& box = static_cast<QMessageBox&>(window);
            if (check && box.checkBox()) box.checkBox()->setChecked(true);
            press(box, Qt::Key_Escape);
            if (box.isVisible()) box.done(0);
        });
        const platform::QuestionAnswer answer =
            desktop->ask(f, {"大图片", "缩小到屏幕大小", "保持原样", "以后也这样"});
        EXPECT_FALSE(answer.defaultChosen);
        EXPECT_EQ(answer.checked, check);
    }
}

}  // namespace
}  // namespace glint::maker
