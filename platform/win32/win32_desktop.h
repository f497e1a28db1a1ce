#pragma once

#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/win32/builtin_pictures.h"
#include "platform/win32/win32_runtime.h"

namespace glint::platform::win32 {

// The desktop on Windows: the system's file-open dialog, message boxes and pop-up menus, the
// shell's default applications, the pictures built into the executable as resources, modal
// dialogs through the runtime, and programs started as processes of their own.
//
// Before anything that waits for the user, the owner's window follows its form and lets go of
// the mouse (Win32Runtime::ownerWindow), so the user can answer with it. COM is started on the
// calling thread for as long as the desktop lives: the file dialog and the shell need it.
class Win32Desktop : public Desktop {
public:
    explicit Win32Desktop(Win32Runtime& runtime);
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    std::string showOpenDialog(Form& owner, const std::string& filter,
                               const std::string& fileName) override;
    void showMessage(Form& owner, const std::string& text) override;
    // A dialog of our own (question_box.h): the system's message box has no check box.
    QuestionAnswer ask(Form& owner, const Question& question) override;
    int showPopupMenu(Form& owner, const std::vector<std::string>& captions) override;
    std::unique_ptr<ProgressWindow> showProgress(Form& owner,
                                                 const std::string& cancelButton) override;
    // A file's path or a web address, opened with the shell's "open".
    void openDocument(const std::string& fileOrAddress) override;
    Image builtInPicture(const std::string& name) override;
    void showModal(Form& dialog, Form& owner) override;
    void startProgram(const std::string& path) override;

private:
    Win32Runtime& m_runtime;
    BuiltInPictures m_pictures;
    bool m_comStarted = false;
};

}  // namespace glint::platform::win32
