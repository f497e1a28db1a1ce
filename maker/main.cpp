// glintmaker: the authoring program, on Qt. Its own folder, with the pic folder, the help page,
// the player, the installer and the package folder, is the folder of its executable.

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

#include "maker/form_main.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_media_player.h"
#include "platform/qt/qt_services.h"

namespace {

// The fingertip of the built-in hand picture.
constexpr int kHandHotSpotX = 12;
constexpr int kHandHotSpotY = 1;

// The program's font: a Chinese desktop's, whose Latin letters are narrow enough for the
// dialogs' layout (">>>" fits between two buttons). The first of these installed, at 9 points.
constexpr const char* kChineseFonts[] = {"WenQuanYi Zen Hei", "Noto Sans CJK SC",
                                         "Source Han Sans SC", "Microsoft YaHei", "SimSun"};
constexpr double kFontPoints = 9;

void useChineseFont() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : kChineseFonts) {
        if (installed.contains(QString::fromUtf8(family))) {
            QFont font(QString::fromUtf8(family));
            font.setPointSizeF(kFontPoints);
            QApplication::setFont(font);
            return;
        }
    }
}

QString builtIn(const char* name) {
    return QString::fromLatin1(glint::platform::qt::QtDesktop::kBuiltInPrefix) +
           QString::fromLatin1(name);
}

}  // namespace

int main(int argc, char* argv[]) {
    namespace qt = glint::platform::qt;
    qt::QtMediaPlayer::selectBackend();
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(builtIn("icon.png")));
    useChineseFont();
    // The program speaks Chinese, and so do the file dialog and the message boxes Qt draws for
    // it, where Qt's translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    const std::string ownFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    // Among them a media player, which the authoring program never plays.
    qt::QtServices platform(ownFolder);
    platform.runtime().setHandCursor(
        QCursor(QPixmap(builtIn("hand.png")), kHandHotSpotX, kHandHotSpotY));
    qt::QtDesktop desktop(platform.runtime());
    glint::platform::posix::PosixFiles files;

    glint::maker::FormMain form(platform.services(), desktop, files);
    return platform.runtime().run(form);
}
