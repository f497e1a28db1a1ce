// The authoring program's dialogs on Qt: real buttons and text boxes, modal, closed only by their
// own buttons.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "maker/form2.h"
#include "maker/form3.h"
#include "tests/qt/maker_fixture.h"
#include "tests/qt/qt_test_support.h"

namespace glint::maker {
namespace {

using glint::testing::actOnModal;

struct DialogsOnQt : ::testing::Test, glint::testing::MakerFixture {
    FormMain& f = start();

    static void key(QWidget* target, int key, const QString& text = {}) {
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, text);
            QCoreApplication::sendEvent(target, &event);
        }
    }
    static QPushButton* buttonOf(QWidget& dialog, const QString& caption) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == caption) return button;
        }
        return nullptr;
    }
};

TEST_F(DialogsOnQt, TheBuildDialogHasRealButtonsAndWhatIsTypedBecomesTheCaption) {
    Form3 dialog(services(), *desktop, files);
    actOnModal([&](QWidget& window) {
        EXPECT_TRUE(window.windowFlags() & Qt::Dialog);
        EXPECT_TRUE(window.windowFlags() & Qt::WindowTitleHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(window.windowFlags() & Qt::WindowMinMaxButtonsHint);
        EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(window.windowTitle(), "生成屏幕保护程序：");
        EXPECT_EQ(window.minimumSize(), QSize(380, 230));
        EXPECT_EQ(window.maximumSize(), QSize(380, 230));
        EXPECT_FALSE(window.close());  // no close button, nor any other way out
        EXPECT_EQ(window.findChildren<QPushButton*>().size(), 4);
        QPushButton* build = buttonOf(window, "1、确定");
        EXPECT_NE(build, nullptr);
        if (build) {
            EXPECT_EQ(build->geometry(), QRect(16, 136, 89, 25));
            EXPECT_EQ(window.focusWidget(), build);
            EXPECT_FALSE(build->isDefault() || build->autoDefault());
        }
        auto* text = window.findChild<QLineEdit*>();
        EXPECT_NE(text, nullptr);
        if (text) {
            EXPECT_EQ(text->text(), "https://glint.example.org");
            text->selectAll();
            key(text, Qt::Key_Delete);
            for (const QChar c : QString("我的屏保")) key(text, 0, c);
        }
        // The cancel button is an ordinary button: a click closes the dialog.
        if (QPushButton* cancel = buttonOf(window, "取消")) cancel->click();
    });
    desktop->showModal(dialog, f);
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(dialog.Text1.text(), "我的屏保");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(DialogsOnQt, TheNewProjectDialogTakesEnterOnTheFocusedButtonAndIgnoresEscape) {
    for (const char* name : {"dsi.ini", "pb.dat"})
        folder.write(std::string(kPackageFolder) + "/" + name, "x");
    Form2 dialog(services(), *desktop, files);
    actOnModal([&](QWidget& window) {
        // The keys go where the focus is (the window may not be active yet).
        EXPECT_EQ(window.focusWidget(), buttonOf(window, "确定"));
        key(window.focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(dialog.closed());
        EXPECT_TRUE(window.isVisible());
        // The Tab key moves to the other button; Enter there would cancel.
        key(window.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(window.focusWidget(), buttonOf(window, "取消"));
        key(window.focusWidget(), Qt::Key_Backtab);
        key(window.focusWidget(), Qt::Key_Return);
    });
    desktop->showModal(dialog, f);
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(std::filesystem::is_empty(packageFile("")));
}

}  // namespace
}  // namespace glint::maker
