// The image buttons' shared behaviour: hover pictures from the pic folder, the mouse capture, and
// the return to the normal state that most click handlers begin with.

#include <exception>

#include "maker/form_main.h"
#include "maker/messages.h"

namespace glint::maker {

// The window's pictures hold words: in English they are the English set's, built in under "en/".
std::string FormMain::artworkName(const std::string& name) {
    return language::inChinese() ? name : "en/" + name;
}

std::string FormMain::pictureBaseName(const platform::PictureBox& button) {
    const std::string& name = button.name();
    if (name == "Pic_guan") return "guan";
    if (name == "Pic_zuixiao") return "zuixiao";
    // Picture1 .. Picture5 -> 001 .. 005
    return "00" + name.substr(name.size() - 1);
}

// Every event loads the file anew; nothing is cached. A file that is missing or broken leaves the
// button's current picture in place, and is reported once, not at every move of the pointer.
void FormMain::loadButtonPicture(platform::PictureBox& button, const char* suffix) {
    const std::string path =
        ownPath(std::string(language::inChinese() ? "\\pic\\" : "\\pic\\en\\") +
                pictureBaseName(button) + suffix);
    try {
        button.setPicture(m_services.pictures.load(path));
    } catch (const std::exception&) {
        if (m_reportedPictures.insert(path).second) {
            m_desktop.showMessage(*this, trf("按钮图片无法载入：%1", {path}));
        }
    }
}

void FormMain::hover(platform::PictureBox& button, const platform::MouseEvent& event) {
    const bool inside =
        event.x >= 0 && event.x <= button.width() && event.y >= 0 && event.y <= button.height();
    loadButtonPicture(button, inside ? "_2.jpg" : "_1.jpg");
    setMouseCapture(inside ? &button : nullptr);
}

void FormMain::returnToNormal(platform::PictureBox& button) {
    loadButtonPicture(button, "_1.jpg");
    setMouseCapture(nullptr);
}

}  // namespace glint::maker
