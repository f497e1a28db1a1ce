#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <ole2.h>
#include <shellapi.h>

#include "package/text_encoding.h"
#include "platform/win32/open_file_dialog.h"
#include "platform/win32/program_start.h"
#include "platform/win32/progress_window.h"
#include "platform/win32/question_box.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

// A text for display: the programs hold UTF-8, but a caption read from a package made
// elsewhere may still be GBK.
std::wstring displayed(const std::string& text) {
    return widen(package::displayText(text));
}

}  // namespace

Win32Desktop::Win32Desktop(Win32Runtime& runtime) : m_runtime(runtime) {
    m_comStarted = SUCCEEDED(OleInitialize(nullptr));
}

Win32Desktop::~Win32Desktop() {
    if (m_comStarted) OleUninitialize();
}

std::string Win32Desktop::showOpenDialog(Form& owner, const std::string& filter,
                                         const std::string& fileName) {
    return showOpenFileDialog(m_runtime.ownerWindow(owner), filter, fileName);
}

void Win32Desktop::showMessage(Form& owner, const std::string& text) {
    MessageBoxW(m_runtime.ownerWindow(owner), displayed(text).c_str(),
                displayed(m_runtime.title()).c_str(), MB_OK);
}

QuestionAnswer Win32Desktop::ask(Form& owner, const Question& question) {
    return askQuestion(m_runtime.ownerWindow(owner), m_runtime.title(), question);
}

int Win32Desktop::showPopupMenu(Form& owner, const std::vector<std::string>& captions) {
    const HWND window = m_runtime.ownerWindow(owner);
    const HMENU menu = CreatePopupMenu();
    if (!window || !menu) {
        if (menu) DestroyMenu(menu);
        return -1;
    }
    // Entry i answers with i + 1: 0 is what the menu returns when it was dismissed.
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == "-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu, MF_STRING, i + 1, displayed(captions[i]).c_str());
        }
    }
    POINT at{};
    GetCursorPos(&at);
    // The owner in front, or a click elsewhere would not close the menu; the posted message lets
    // the menu's end reach the owner before anything else does.
    SetForegroundWindow(window);
    const int chosen = static_cast<int>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x,
        at.y, 0, window, nullptr));
    PostMessageW(window, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return chosen > 0 && static_cast<std::size_t>(chosen) <= captions.size() ? chosen - 1 : -1;
}

std::unique_ptr<ProgressWindow> Win32Desktop::showProgress(Form& owner,
                                                           const std::string& cancelButton) {
    return std::make_unique<Win32Progress>(m_runtime.ownerWindow(owner),
                                           package::displayText(m_runtime.title()), cancelButton);
}

void Win32Desktop::openDocument(const std::string& fileOrAddress) {
    ShellExecuteW(nullptr, L"open", widen(fileOrAddress).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

Image Win32Desktop::builtInPicture(const std::string& name) {
    return m_pictures.picture(name);
}

void Win32Desktop::showModal(Form& dialog, Form& owner) {
    m_runtime.showModal(dialog, owner);
}

void Win32Desktop::startProgram(const std::string& path) {
    startProgramFile(path);
}

}  // namespace glint::platform::win32
