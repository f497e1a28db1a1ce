// The installer placed beside a built package as "setup.exe": asks, installs the package for the
// current user, and says where it went.

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "installer/package_install.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/chinese_texts.h"

namespace {

const QString kTitle = QStringLiteral("Glint 屏保安装");

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const glint::platform::qt::ChineseTexts chinese;
    const std::string packageFolder = QCoreApplication::applicationDirPath().toStdString();
    using namespace glint::installer;
    try {
        const InstallPlan plan = planInstall(packageFolder);
        const QString name = plan.caption.empty() ? QStringLiteral("Glint 屏保") : text(plan.caption);
        const auto answer = QMessageBox::question(
            nullptr, kTitle,
            QStringLiteral("要把屏幕保护程序“%1”安装到这台电脑上吗？\n\n共 %2 个文件。")
                .arg(name)
                .arg(plan.files.size()));
        if (answer != QMessageBox::Yes) return 0;
        glint::platform::posix::PosixFiles files;
        const Installed installed = install(packageFolder, plan, userDataFolder(), files);
        QMessageBox::information(
            nullptr, kTitle,
            QStringLiteral("安装完成。\n\n屏幕保护程序已放在：\n%1\n\n"
                           "在应用程序菜单里选择“%2”即可播放。")
                .arg(text(installed.folder), text(installed.menuName)));
        return 0;
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, kTitle, text(failure.what()));
        return 1;
    }
}
