#pragma once

#include <QString>
#include <vector>

#include "platform/desktop.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_runtime.h"

namespace glint::platform::qt {

// The desktop on Qt: Qt's own file dialog (the same under every desktop and on a bare X server),
// message boxes, pop-up menus, the desktop's default applications, the pictures built into the
// program as Qt resources, modal dialogs and detached processes.
//
// Before anything that waits for the user, the owner's window follows its form and lets go of
// the mouse, so the user can answer with it.
class QtDesktop : public Desktop {
public:
    // The built-in pictures lie among the program's Qt resources under this prefix, by file name.
    static constexpr const char* kBuiltInPrefix = ":/builtin/";

    explicit QtDesktop(QtRuntime& runtime) : m_runtime(runtime) {}

    // Opens in the folder of the previous choice, as the desktop's own dialogs do.
    std::string showOpenDialog(Form& owner, const std::string& filter,
                               const std::string& fileName) override;
    void showMessage(Form& owner, const std::string& text) override;
    // A message box with the question's icon, its two buttons and its check box.
    QuestionAnswer ask(Form& owner, const Question& question) override;
    int showPopupMenu(Form& owner, const std::vector<std::string>& captions) override;
    std::unique_ptr<ProgressWindow> showProgress(Form& owner,
                                                 const std::string& cancelButton) override;
    // A text with a scheme ("https:") is an address; anything else a file's path.
    void openDocument(const std::string& fileOrAddress) override;
    // Throws std::invalid_argument for a name the program has no picture for. A picture's
    // pixels less than half opaque read as kNoColor and paint nothing.
    Image builtInPicture(const std::string& name) override;
    // The dialog's window is owned by the owner's, so it stays in front of it. Its nested event
    // loop ends after the handler that closed the dialog.
    void showModal(Form& dialog, Form& owner) override;
    void startProgram(const std::string& path) override;

private:
    FormWindow* windowOf(const Form& form) const;
    // The form's window, ready for a modal window over it; null when the form has none.
    QWidget* ownerWindow(const Form& form) const;

    QtRuntime& m_runtime;
    std::vector<FormWindow*> m_dialogs;
    QString m_lastFolder;
};

}  // namespace glint::platform::qt
