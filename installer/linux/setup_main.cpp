// The installer placed beside a built package as "setup.exe": asks, installs the package for the
// current user, offers to make it the screensaver, and says where it went. Its copy glint-setup in
// an installed folder serves the menu entry's actions: "--make-screensaver" makes that show the
// screensaver, "--uninstall" removes it.

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "installer/linux/idle_session.h"
#include "installer/linux/package_install.h"
#include "installer/linux/package_removal.h"
#include "installer/linux/screensaver_launcher.h"
#include "installer/linux/screensaver_registration.h"
#include "package/paths.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/chinese_texts.h"

namespace {

using namespace glint::installer;

const QString kTitle = QStringLiteral("Glint 屏保安装");

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A question whose default button, the one Return presses, is the given answer.
bool ask(const QString& question, QMessageBox::StandardButton byDefault) {
    QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(byDefault);
    return box.exec() == QMessageBox::Yes;
}

std::string showName(const std::string& folder) {
    try {
        const std::string caption = planInstall(folder).caption;
        if (!caption.empty()) return caption;
    } catch (const InstallError&) {
        // A damaged installation is still named, and still removed.
    }
    return "Glint 屏保";
}

// Asks whether to make the installed show the screensaver and does it; says how that went.
std::string offerScreensaver(const std::string& name, const std::string& folder,
                             const std::string& menuName) {
    if (!ask(QStringLiteral("要把“%1”设为你的屏幕保护程序吗？").arg(text(name)),
             QMessageBox::Yes)) {
        return "";
    }
    const IdleChoice choice = chooseIdleWatcher(currentSession());
    if (choice.watcher == IdleWatcher::None) return noWatcherMessage(choice, menuName);
    int minutes = kDefaultIdleMinutes;
    if (choice.watcher != IdleWatcher::XScreenSaver) {
        bool chosen = false;
        minutes = QInputDialog::getInt(nullptr, kTitle,
                                       QStringLiteral("电脑空闲多少分钟后播放屏幕保护程序？"),
                                       kDefaultIdleMinutes, 1, 24 * 60, 1, &chosen);
        if (!chosen) return "没有设为屏幕保护程序。";
    }
    SystemWatcherProcesses processes;
    try {
        return makeScreensaver(choice.watcher,
                               {name, glint::package::namedPath(folder, kLauncherName)}, minutes,
                               userFolders(), processes);
    } catch (const InstallError& failure) {
        return std::string("没有设为屏幕保护程序：") + failure.what();
    }
}

int installPackage(const std::string& packageFolder) {
    const InstallPlan plan = planInstall(packageFolder);
    const std::string name = plan.caption.empty() ? "Glint 屏保" : plan.caption;
    if (!ask(QStringLiteral("要把屏幕保护程序“%1”安装到这台电脑上吗？\n\n共 %2 个文件。")
                 .arg(text(name))
                 .arg(plan.files.size()),
             QMessageBox::Yes)) {
        return 0;
    }
    glint::platform::posix::PosixFiles files;
    const Installed installed =
        install(packageFolder, plan, userDataFolder(),
                QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(), files);
    const std::string screensaver = offerScreensaver(name, installed.folder, installed.menuName);
    QMessageBox::information(
        nullptr, kTitle,
        QStringLiteral("安装完成。\n\n屏幕保护程序已放在：\n%1\n\n"
                       "在应用程序菜单里选择“%2”即可播放。%3")
            .arg(text(installed.folder), text(installed.menuName),
                 screensaver.empty() ? QString() : QStringLiteral("\n\n") + text(screensaver)));
    return 0;
}

int makeInstalledScreensaver(const std::string& folder) {
    const std::string message = offerScreensaver(showName(folder), folder, showName(folder));
    if (!message.empty()) QMessageBox::information(nullptr, kTitle, text(message));
    return 0;
}

int removeInstalledShow(const std::string& folder) {
    if (menuEntryOf(folder).empty()) {
        throw InstallError("这里不是安装好的屏幕保护程序，没有卸载任何东西：" + folder);
    }
    if (!ask(QStringLiteral("要卸载屏幕保护程序“%1”吗？\n\n这会删除文件夹 %2 和它的菜单项。")
                 .arg(text(showName(folder)), text(folder)),
             QMessageBox::No)) {
        return 0;
    }
    SystemWatcherProcesses processes;
    const std::vector<std::string> left = removeInstalled(folder, userFolders(), processes);
    if (left.empty()) {
        QMessageBox::information(nullptr, kTitle, QStringLiteral("已卸载。"));
        return 0;
    }
    QString rest;
    for (const std::string& item : left) rest += QStringLiteral("\n") + text(item);
    QMessageBox::warning(nullptr, kTitle,
                         QStringLiteral("没有卸载完，还留着：%1\n\n请手动删除它们。").arg(rest));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const glint::platform::qt::ChineseTexts chinese;
    const std::string ownFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const QStringList arguments = QCoreApplication::arguments();
    try {
        if (arguments.contains(QLatin1String(kRemoveRequest)))
            return removeInstalledShow(ownFolder);
        if (arguments.contains(QLatin1String(kMakeScreensaverRequest))) {
            return makeInstalledScreensaver(ownFolder);
        }
        return installPackage(ownFolder);
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, kTitle, text(failure.what()));
        return 1;
    }
}
