#include "tests/qt/maker_fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <filesystem>

#include "tests/qt/qt_test_support.h"

namespace glint::testing {

MakerFixture::MakerFixture()
    : qt(std::make_unique<platform::qt::QtServices>(folder.path())),
      desktop(std::make_unique<platform::qt::QtDesktop>(qt->runtime())) {
    std::filesystem::copy(GLINT_MAKER_ARTWORK_DIR "/pic", folder.file("pic"));
    std::filesystem::create_directory(folder.file(kPackageFolder));
    qt->runtime().setHandCursor(QCursor(QPixmap(":/builtin/hand.png"), 12, 1));
}

MakerFixture::~MakerFixture() {
    // The windows go before the forms they show.
    desktop.reset();
    qt.reset();
}

maker::FormMain& MakerFixture::start() {
    form = std::make_unique<maker::FormMain>(services(), *desktop, files, fitting);
    qt->runtime().start(*form);
    runEventsFor(30);
    return *form;
}

std::string MakerFixture::packageFile(const std::string& name) const {
    return folder.file(std::string(kPackageFolder) + "/" + name);
}

void MakerFixture::mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    mouse(type, at, window().mapToGlobal(at), held);
}

void MakerFixture::mouse(QEvent::Type type, QPoint at, QPoint onScreen, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(onScreen), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&window(), &event);
}

void MakerFixture::click(const platform::Control& control) {
    mouse(QEvent::MouseButtonPress, centreOf(control), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, centreOf(control), Qt::NoButton);
}

QPoint MakerFixture::centreOf(const platform::Control& control) {
    const platform::Rect& r = control.pixelRect();
    return {r.x + r.width / 2, r.y + r.height / 2};
}

}  // namespace glint::testing
