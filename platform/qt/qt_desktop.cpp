#include "platform/qt/qt_desktop.h"

#include <QCheckBox>
#include <QCursor>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <stdexcept>

#include "platform/qt/file_filter.h"
#include "platform/qt/qt_progress.h"
#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {
namespace {

QString nativeName(const std::string& bytes) {
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace

FormWindow* QtDesktop::windowOf(const Form& form) const {
    for (auto dialog = m_dialogs.rbegin(); dialog != m_dialogs.rend(); ++dialog) {
        if (&(*dialog)->form() == &form) return *dialog;
    }
    FormWindow* main = m_runtime.window();
    return main && &main->form() == &form ? main : nullptr;
}

QWidget* QtDesktop::ownerWindow(const Form& form) const {
    FormWindow* window = windowOf(form);
    if (!window) return nullptr;
    window->followForm();
    // A handler may wait for the user while its form still holds the capture (a button whose
    // picture failed to load says so before it takes the capture).
    window->yieldMouse();
    return window;
}

std::string QtDesktop::showOpenDialog(Form& owner, const std::string& filter,
                                      const std::string& fileName) {
    QFileDialog dialog(ownerWindow(owner));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!m_lastFolder.isEmpty()) dialog.setDirectory(m_lastFolder);
    const QStringList filters = nameFiltersOf(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
    if (!fileName.empty()) dialog.selectFile(nativeName(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
    const QString chosen = dialog.selectedFiles().first();
    // The chosen file's folder: a path typed in full leaves the dialog's own folder as it was.
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return QFile::encodeName(chosen).toStdString();
}

void QtDesktop::showMessage(Form& owner, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, displayString(m_runtime.title()), displayString(text),
                    QMessageBox::Ok, ownerWindow(owner));
    box.exec();
}

QuestionAnswer QtDesktop::ask(Form& owner, const Question& question) {
    QMessageBox box(QMessageBox::Question, displayString(m_runtime.title()),
                    displayString(question.text), QMessageBox::NoButton, ownerWindow(owner));
    QPushButton* chosenByDefault =
        box.addButton(displayString(question.defaultButton), QMessageBox::AcceptRole);
    QPushButton* other =
        box.addButton(displayString(question.otherButton), QMessageBox::RejectRole);
    box.setDefaultButton(chosenByDefault);
    box.setEscapeButton(other);
    if (!question.checkBox.empty()) {
        box.setCheckBox(new QCheckBox(displayString(question.checkBox)));
    }
    box.exec();
    return {box.clickedButton() == chosenByDefault, box.checkBox() && box.checkBox()->isChecked()};
}

int QtDesktop::showPopupMenu(Form& owner, const std::vector<std::string>& captions) {
    QMenu menu(ownerWindow(owner));
    std::vector<QAction*> entries;
    for (const std::string& caption : captions) {
        entries.push_back(caption == "-" ? menu.addSeparator()
                                         : menu.addAction(displayString(caption)));
    }
    const QAction* chosen = menu.exec(QCursor::pos());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (chosen && entries[i] == chosen) return static_cast<int>(i);
    }
    return -1;
}

std::unique_ptr<ProgressWindow> QtDesktop::showProgress(Form& owner,
                                                        const std::string& cancelButton) {
    return std::make_unique<QtProgress>(ownerWindow(owner), m_runtime.title(), cancelButton);
}

void QtDesktop::openDocument(const std::string& fileOrAddress) {
    const QUrl address(QString::fromStdString(fileOrAddress), QUrl::StrictMode);
    // One letter before the colon is a drive, not a scheme.
    const bool isAddress = address.isValid() && address.scheme().size() > 1;
    QDesktopServices::openUrl(isAddress ? address : QUrl::fromLocalFile(nativeName(fileOrAddress)));
}

Image QtDesktop::builtInPicture(const std::string& name) {
    const QImage picture(QString::fromLatin1(kBuiltInPrefix) + QString::fromStdString(name));
    if (picture.isNull()) throw std::invalid_argument("No built-in picture: " + name);
    return toImage(picture, Alpha::AsNoColor);
}

void QtDesktop::showModal(Form& dialog, Form& owner) {
    QWidget* parent = ownerWindow(owner);
    if (dialog.onLoad) dialog.onLoad();
    QEventLoop loop;
    FormWindow window(dialog,
                      {[&dialog, &loop] {
                           if (dialog.closed()) loop.quit();
                       },
                       [this](const std::string& message) { m_runtime.fail(message); }},
                      parent);
    window.setHandCursor(m_runtime.handCursor());
    m_dialogs.push_back(&window);
    window.showModal();
    if (!dialog.closed()) loop.exec();
    m_dialogs.pop_back();
    window.hide();
}

void QtDesktop::startProgram(const std::string& path) {
    if (!QProcess::startDetached(nativeName(path), {})) {
        throw std::runtime_error("Cannot start program: " + path);
    }
}

}  // namespace glint::platform::qt
