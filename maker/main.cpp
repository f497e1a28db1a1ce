// glintmaker: the authoring program, on Qt. Its own folder, with the pic folder, the help page,
// the player, the installer and the package folder, is the folder of its executable.

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QPixmap>

#include "language/translate.h"
#include "maker/form_main.h"
#include "platform/files.h"
#include "platform/qt/chinese_texts.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_picture_fitting.h"
#include "platform/qt/qt_services.h"

namespace {

// The fingertip of the built-in hand picture.
constexpr int kHandHotSpotX = 12;
constexpr int kHandHotSpotY = 1;

QString builtIn(const char* name) {
    return QString::fromLatin1(glint::platform::qt::QtDesktop::kBuiltInPrefix) +
           QString::fromLatin1(name);
}

}  // namespace

int main(int argc, char* argv[]) {
    namespace qt = glint::platform::qt;
    glint::language::useDesktopLanguage();
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(builtIn("icon.png")));
    const qt::ChineseTexts chinese;

    const std::string ownFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    // Among them a media player that plays nothing (NoMusic): the preview runs the player, which
    // plays the show's music.
    qt::QtServices platform(ownFolder);
    platform.runtime().setHandCursor(
        QCursor(QPixmap(builtIn("hand.png")), kHandHotSpotX, kHandHotSpotY));
    qt::QtDesktop desktop(platform.runtime());
    qt::QtPictureFitting fitting;
    glint::maker::FormMain form(platform.services(), desktop, glint::platform::systemFiles(),
                                fitting);
    return platform.runtime().run(form);
}
