#pragma once

// The headless desktop: dialogs and menus answer from a script, and every request is recorded.

#include <deque>
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

    // The answers of the next file-open dialogs, in order; "" is a cancel. With none left, the
    // dialog is cancelled.
    void answerOpenDialogs(std::vector<std::string> paths);
    // The entries chosen in the next pop-up menus, in order; -1 dismisses. With none left, the
    // menu is dismissed.
    void answerPopupMenus(std::vector<int> choices);
    void addBuiltInPicture(const std::string& name, Image picture) { m_builtIn[name] = picture; }

    std::string showOpenDialog(Form& owner, const std::string& filter,
                               const std::string& fileName) override;
    void showMessage(Form& owner, const std::string& text) override;
    int showPopupMenu(Form& owner, const std::vector<std::string>& captions) override;
    void openDocument(const std::string& fileOrAddress) override;
    Image builtInPicture(const std::string& name) override;

    const std::vector<OpenDialog>& openDialogs() const { return m_dialogs; }
    const std::vector<std::string>& messages() const { return m_messages; }
    const std::vector<std::vector<std::string>>& popupMenus() const { return m_menus; }
    const std::vector<std::string>& openedDocuments() const { return m_opened; }

private:
    std::deque<std::string> m_dialogAnswers;
    std::deque<int> m_menuAnswers;
    std::map<std::string, Image> m_builtIn;
    std::vector<OpenDialog> m_dialogs;
    std::vector<std::string> m_messages;
    std::vector<std::vector<std::string>> m_menus;
    std::vector<std::string> m_opened;
};

}  // namespace glint::platform::headless
