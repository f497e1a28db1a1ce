#include "platform/headless/scripted_desktop.h"

#include <stdexcept>

namespace glint::platform::headless {

void ScriptedDesktop::answerOpenDialogs(std::vector<std::string> paths) {
    m_dialogAnswers.insert(m_dialogAnswers.end(), paths.begin(), paths.end());
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

void ScriptedDesktop::showMessage(Form&, const std::string& text) { m_messages.push_back(text); }

int ScriptedDesktop::showPopupMenu(Form&, const std::vector<std::string>& captions) {
    m_menus.push_back(captions);
    if (m_menuAnswers.empty()) return -1;
    const int choice = m_menuAnswers.front();
    m_menuAnswers.pop_front();
    return choice;
}

void ScriptedDesktop::openDocument(const std::string& fileOrAddress) {
    m_opened.push_back(fileOrAddress);
}

Image ScriptedDesktop::builtInPicture(const std::string& name) {
    const auto found = m_builtIn.find(name);
    if (found == m_builtIn.end()) throw std::invalid_argument("no built-in picture " + name);
    return found->second;
}

}  // namespace glint::platform::headless
