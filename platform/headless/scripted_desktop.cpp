#include "platform/headless/scripted_desktop.h"

#include <filesystem>
#include <stdexcept>

#include "package/paths.h"
#include "platform/form.h"

namespace glint::platform::headless {

class ScriptedProgress : public ProgressWindow {
public:
    explicit ScriptedProgress(ScriptedDesktop& desktop) : m_desktop(desktop) {
        ++m_desktop.m_progressWindows;
        m_desktop.m_progressOpen = true;
    }
    ~ScriptedProgress() override { m_desktop.m_progressOpen = false; }
    void update(const std::string& text, int done, int total) override {
        m_desktop.m_progress.push_back({text, done, total});
    }
    bool cancelRequested() const override {
        const int at = m_desktop.m_cancelAtUpdate;
        return at > 0 && static_cast<int>(m_desktop.m_progress.size()) >= at;
    }

private:
    ScriptedDesktop& m_desktop;
};

void ScriptedDesktop::answerOpenDialogs(std::vector<std::string> paths) {
    m_dialogAnswers.insert(m_dialogAnswers.end(), paths.begin(), paths.end());
}

void ScriptedDesktop::answerQuestions(std::vector<QuestionAnswer> answers) {
    m_questionAnswers.insert(m_questionAnswers.end(), answers.begin(), answers.end());
}

void ScriptedDesktop::answerPopupMenus(std::vector<int> choices) {
    m_menuAnswers.insert(m_menuAnswers.end(), choices.begin(), choices.end());
}

std::string ScriptedDesktop::showOpenDialog(Form&, const std::string& filter,
                                            const std::string& fileName) {
    m_dialogs.push_back({filter, fileName});
    if (m_dialogAnswers.empty()) return "";
    std::string answer = m_dialogAnswers.front();
    m_dialogAnswers.pop_front();
    return answer;
}

void ScriptedDesktop::showMessage(Form&, const std::string& text) {
    m_messages.push_back(text);
}

QuestionAnswer ScriptedDesktop::ask(Form&, const Question& question) {
    m_questions.push_back(question);
    if (m_questionAnswers.empty()) return {};
    const QuestionAnswer answer = m_questionAnswers.front();
    m_questionAnswers.pop_front();
    return answer;
}

int ScriptedDesktop::showPopupMenu(Form&, const std::vector<std::string>& captions) {
    m_menus.push_back(captions);
    if (m_menuAnswers.empty()) return -1;
    const int choice = m_menuAnswers.front();
    m_menuAnswers.pop_front();
    return choice;
}

std::unique_ptr<ProgressWindow> ScriptedDesktop::showProgress(Form&, const std::string&) {
    return std::make_unique<ScriptedProgress>(*this);
}

void ScriptedDesktop::openDocument(const std::string& fileOrAddress) {
    m_opened.push_back(fileOrAddress);
}

void ScriptedDesktop::actInModalDialogs(std::vector<std::function<void(Form&)>> actions) {
    m_modalActions.insert(m_modalActions.end(), actions.begin(), actions.end());
}

void ScriptedDesktop::showModal(Form& dialog, Form&) {
    m_modals.push_back(dialog.name());
    if (dialog.onLoad) dialog.onLoad();
    if (m_modalActions.empty()) return;
    const auto action = m_modalActions.front();
    m_modalActions.pop_front();
    action(dialog);
}

void ScriptedDesktop::startProgram(const std::string& path) {
    m_started.push_back(path);
    // Whatever else a system asks of a program file, it must be a file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(package::filePath(path), error)) {
        throw std::runtime_error("Cannot start program: " + path);
    }
}

Image ScriptedDesktop::builtInPicture(const std::string& name) {
    const auto found = m_builtIn.find(name);
    if (found == m_builtIn.end()) throw std::invalid_argument("no built-in picture " + name);
    return found->second;
}

}  // namespace glint::platform::headless
