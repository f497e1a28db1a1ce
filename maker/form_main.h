#pragma once

// The authoring program's main window: a fixed 701 x 407 picture without a title bar, dragged by
// its background, with image buttons that show a hover picture while the pointer is over them,
// the preview of the picture chosen last, and a pop-up menu for help and the vendor's site.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/common_dialog.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/picture_box.h"
#include "platform/picture_fitting.h"
#include "platform/services.h"

namespace glint::maker {

class FormMain : public platform::Form {
public:
    FormMain(platform::Services& services, platform::Desktop& desktop, platform::Files& files,
             platform::PictureFitting& fitting);

    void Form_Load();
    void Form_MouseDown(const platform::MouseEvent& event);
    void Form_MouseMove(const platform::MouseEvent& event);

    // The hover family: the button shows its hover picture and takes the mouse capture while the
    // pointer is inside it (all four bounds inclusive), its normal picture without capture
    // otherwise.
    void hover(platform::PictureBox& button, const platform::MouseEvent& event);
    // Loads the button's normal picture, then releases the mouse capture.
    void returnToNormal(platform::PictureBox& button);

    void Pic_guan_Click();
    void Pic_zuixiao_Click();
    void Pic_shiji_Click();
    void menu_软件帮助_Click();
    void menu_访问软件网站_Click();

    // Adds a picture to the picture list and shows it in the preview. A picture larger than the
    // screen may be added as a copy fitted to it, and one the player cannot read (any format but
    // BMP, JPEG and PNG) is added as a JPEG copy (fitted_pictures.cpp).
    void Picture1_Click();
    // Adds a music file to the music list.
    void Picture2_Click();
    // Opens the build dialog.
    void Picture3_Click();
    // Starts the installer the build dialog placed in the package folder.
    void Picture4_Click();
    // Opens the new-project dialog.
    void Picture5_Click();

    // Files and folders dropped on the window: every picture and music file among them, and in
    // the folders and their subfolders, added as steps 1 and 2 add a chosen one, in the order of
    // the drop; then one message for what was not added (drop_run.cpp).
    void Form_DropFiles(const std::vector<std::string>& paths);

    platform::PictureBox Pic_guan;
    platform::PictureBox Pic_zuixiao;
    platform::PictureBox Pic_shiji;
    platform::PictureBox Picture1;
    platform::PictureBox Picture2;
    platform::PictureBox Picture3;
    platform::PictureBox Picture4;
    platform::PictureBox Picture5;
    platform::ImageBox Image1;
    platform::Label Label1;
    platform::Label Label3;
    platform::Label Label4;
    platform::CommonDialog CommonDialog1;
    platform::Menu menu_设定;

    // The press point: where the last press on the background was, in twips.
    float pressX() const { return m_pressX; }
    float pressY() const { return m_pressY; }

private:
    enum class Addition { Added, NotAdded, ListNotWritten };

    std::string ownPath(const std::string& literal) const;
    // The base name of a hover-family button's pictures in the pic folder ("001", "guan").
    static std::string pictureBaseName(const platform::PictureBox& button);
    static std::string artworkName(const std::string& name);
    void loadButtonPicture(platform::PictureBox& button, const char* suffix);
    // Tells the user why a file was not added: at once, or in the message after a drop.
    void report(const std::string& text);
    // Appends the chosen path to a working list; false after a report when it cannot.
    bool appendToList(const std::string& listLiteral, const std::string& path);
    bool refuseUnlistablePath(const std::string& path);
    // What one chosen file goes through to join its list. A picture is shown in the preview, or
    // the preview is left empty when it is not added.
    Addition addPicture(const std::string& chosen);
    Addition addMusic(const std::string& chosen);
    // What the picture list is to name for the chosen picture, shown in the preview and decoded
    // from a file of that format: the chosen file, or a JPEG copy of it; "" after a message when
    // the copy cannot be made.
    std::string pictureToList(const std::string& chosen, platform::PictureFormat format);
    // Whether the picture shown in the preview, larger than the screen, is to be added as a copy
    // fitted to it: the user's answer, or the one given for the rest of this run.
    bool wantsFittedCopy(const std::string& chosen, platform::PixelSize screen);
    // Writes a JPEG copy of the preview's picture of that size (fitted to the screen, or its own)
    // into the package folder and shows it in the preview. Returns its full path, or "" after a
    // message when it cannot.
    std::string addJpegCopy(const std::string& chosen, platform::PixelSize size);

    platform::Services& m_services;
    platform::Desktop& m_desktop;
    platform::Files& m_files;
    platform::PictureFitting& m_fitting;
    // The answer to the fitting question for the rest of this run, once the user gave one so;
    // kept nowhere else.
    std::optional<bool> m_fitForRest;
    float m_pressX = 0;
    float m_pressY = 0;
    std::set<std::string> m_reportedPictures;
    // While a drop runs, what it could not add; null otherwise.
    std::vector<std::string>* m_dropProblems = nullptr;
    // The path of the picture last appended to the picture list.
    std::string m_lastListedPicture;
};

}  // namespace glint::maker
