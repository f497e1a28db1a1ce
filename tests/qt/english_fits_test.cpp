// The authoring program's windows in English keep their sizes: every English text fits its
// control, measured with the font the program writes it in, as the Chinese ones do.

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "language/translate.h"
#include "maker/form2.h"
#include "maker/form3.h"
#include "platform/command_button.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/qt/chinese_texts.h"
#include "tests/qt/maker_fixture.h"

namespace glint::maker {
namespace {

constexpr int kButtonMargin = 6;  // each side, inside a button's frame
constexpr int kCaptionRoom = 8 + 2 * 2;  // a frame caption's indent and padding

// What overflows in the form: one line per text that does not fit.
std::vector<std::string> overflows(const platform::Form& form, const QFont& font) {
    const QFontMetrics metrics(font);
    std::vector<std::string> found;
    int right = form.clientWidth();
    for (const platform::Control* control : form.controls()) {
        const platform::Rect r = control->pixelRect();
        const QString caption = [&] {
            if (const auto* l = dynamic_cast<const platform::Label*>(control)) {
                return QString::fromStdString(l->displayCaption());
            }
            if (const auto* b = dynamic_cast<const platform::CommandButton*>(control)) {
                return QString::fromStdString(b->caption());
            }
            if (const auto* f = dynamic_cast<const platform::Frame*>(control)) {
                return QString::fromStdString(f->caption());
            }
            return QString();
        }();
        if (caption.isEmpty()) continue;
        int room = r.width;
        if (dynamic_cast<const platform::CommandButton*>(control)) room -= 2 * kButtonMargin;
        if (dynamic_cast<const platform::Frame*>(control)) room -= kCaptionRoom;
        const auto* label = dynamic_cast<const platform::Label*>(control);
        if (label && label->wordWrap()) {
            const QRect text = metrics.boundingRect(0, 0, r.width, 0x7FFF, Qt::TextWordWrap, caption);
            if (text.width() > r.width || text.height() > 2 * metrics.height()) {
                found.push_back(control->name() + " wraps beyond two lines: " +
                                caption.toStdString());
            }
        } else if (metrics.horizontalAdvance(caption) > room || r.x + r.width > right) {
            found.push_back(control->name() + ": " + caption.toStdString());
        }
    }
    return found;
}

struct EnglishOnQt : ::testing::Test, glint::testing::MakerFixture {
    void SetUp() override { language::useLanguage("en"); }
    void TearDown() override { language::useLanguage("zh"); }
};

TEST_F(EnglishOnQt, EveryTextOfTheWindowAndItsDialogsFitsItsControl) {
    FormMain& main = start();
    Form2 newProject(services(), *desktop, files);
    Form3 build(services(), *desktop, files);
    EXPECT_EQ(build.Command2.caption(), "3. Generate");
    // The longest captions the build dialog's buttons take.
    build.Command1.setCaption(language::tr("成功！"));
    build.Command2.setCaption(language::tr("程序生成成功！"));
    for (const platform::Form* form : {static_cast<platform::Form*>(&main),
                                       static_cast<platform::Form*>(&newProject),
                                       static_cast<platform::Form*>(&build)}) {
        EXPECT_EQ(overflows(*form, platform::qt::programFont()), std::vector<std::string>{})
            << form->title();
    }
}

}  // namespace
}  // namespace glint::maker
