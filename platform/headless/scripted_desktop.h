#pragma once

// The headless desktop: dialogs and menus answer from a script, and every request is recorded.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace glint::platform::headless {

class ScriptedDesktop : public Desktop {
public:
    struct OpenDialog {
        std::string filter;
        std::string fileName;
    };
    struct ProgressUpdate {
        std::string text;
        int done = 0;
        int total = 0;
        bool operator==(const ProgressUpdate&) const = default;
    };

    // The answers of the next file-open dialogs, in order; "" is a cancel. With none left, the
    // dialog is cancelled.
    void answerOpenDialogs(std::vector<std::string> paths);
    // The answers to the next questions, in order. With none left, the question is closed: the
    // other button, the check box unchecked.
    void answerQuestions(std::vector<QuestionAnswer> answers);
    // The entries chosen in the next pop-up menus, in order; -1 dismisses. With none left, the
    // menu is dismissed.
    void answerPopupMenus(std::vector<int> choices);
    void addBuiltInPicture(const std::string& name, Image picture) { m_builtIn[name] = picture; }
    // What the user does in the next modal dialogs, in order: each is called with the dialog
    // once it has loaded. With none left, a dialog is shown and closed untouched.
    void actInModalDialogs(std::vector<std::function<void(Form&)>> actions);
    // The user asks to stop once the progress windows have shown this many updates in all.
    void cancelProgressAtUpdate(int update) { m_cancelAtUpdate = update; }

    std::string showOpenDialog(Form& owner, const std::string& filter,
                               const std::string& fileName) override;
    void showMessage(Form& owner, const std::string& text) override;
    QuestionAnswer ask(Form& owner, const Question& question) override;
    int showPopupMenu(Form& owner, const std::vector<std::string>& captions) override;
    std::unique_ptr<ProgressWindow> showProgress(Form& owner,
                                                 const std::string& cancelButton) override;
    void openDocument(const std::string& fileOrAddress) override;
    Image builtInPicture(const std::string& name) override;
    void showModal(Form& dialog, Form& owner) override;
    // Starts nothing: records the path, and fails as a real start would for a path that is not
    // an executable file.
    void startProgram(const std::string& path) override;

    const std::vector<OpenDialog>& openDialogs() const { return m_dialogs; }
    const std::vector<std::string>& messages() const { return m_messages; }
    const std::vector<Question>& questions() const { return m_questions; }
    const std::vector<std::vector<std::string>>& popupMenus() const { return m_menus; }
    const std::vector<std::string>& openedDocuments() const { return m_opened; }
    // The names of the dialogs shown modally, in order.
    const std::vector<std::string>& modalDialogs() const { return m_modals; }
    const std::vector<std::string>& startedPrograms() const { return m_started; }
    // Every update of every progress window, in order, and how many windows were shown.
    const std::vector<ProgressUpdate>& progressUpdates() const { return m_progress; }
    int progressWindowsShown() const { return m_progressWindows; }
    bool progressWindowOpen() const { return m_progressOpen; }

private:
    std::deque<std::string> m_dialogAnswers;
    std::deque<int> m_menuAnswers;
    std::deque<QuestionAnswer> m_questionAnswers;
    std::vector<Question> m_questions;
    std::map<std::string, Image> m_builtIn;
    std::vector<OpenDialog> m_dialogs;
    std::vector<std::string> m_messages;
    std::vector<std::vector<std::string>> m_menus;
    std::vector<std::string> m_opened;
    std::deque<std::function<void(Form&)>> m_modalActions;
    std::vector<std::string> m_modals;
    std::vector<std::string> m_started;
    std::vector<ProgressUpdate> m_progress;
    int m_cancelAtUpdate = 0;
    int m_progressWindows = 0;
    bool m_progressOpen = false;

    friend class ScriptedProgress;
};

}  // namespace glint::platform::headless
