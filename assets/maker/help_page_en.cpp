// pb_en.htm: the help page in English. Buttons are named as the English window and its dialogs
// show them; files and folders keep the Chinese names they are stored under.

#include "help_page.h"

namespace glint::assets {

QByteArray HelpPage::englishHtml() const {
    QByteArray page =
        "<!DOCTYPE html>\n"
        "<html lang='en'>\n"
        "<head>\n"
        "<meta charset=\"utf-8\">\n"
        "<meta name='viewport' content='width=device-width, initial-scale=1'>\n"
        "<title>Glint Screensaver Maker · Help</title>\n"
        "<style>\n";
    // The Chinese names of files and folders come from the browser's fallback fonts.
    page += style(R"(15px/1.65 "Segoe UI", "Noto Sans", "DejaVu Sans", Arial, sans-serif)");
    page +=
        "</style>\n"
        "</head>\n"
        "<body>\n"
        "<header>\n";
    page += mark();
    page +=
        "  <div>\n"
        "    <h1>Glint Screensaver Maker</h1>\n"
        "    <p class='lead'>Make a screensaver all your own from your photos and a piece of "
        "music you love.</p>\n"
        "  </div>\n"
        "</header>\n"
        "<main>\n"
        "<section>\n"
        "  <h2>What it does</h2>\n"
        "  <p>When your computer is idle, the screensaver shows the photos you chose full screen,\n"
        "  one after another, each coming in with a different transition, while your music plays.\n"
        "  Making one takes four steps: click the four buttons on the right of the window in\n"
        "  order, from top to bottom.</p>\n"
        "</section>\n";
    page += englishSteps();
    page += englishQuestions();
    page +=
        "<section class='contact'>\n"
        "  <h2>Contact us</h2>\n"
        "  <p>Questions and suggestions are welcome on our website: "
        "<a href='https://glint.example.org'>https://glint.example.org</a></p>\n"
        "  <p>Enjoy your screensaver!</p>\n"
        "</section>\n"
        "</main>\n"
        "<footer>Glint Screensaver Maker V1.0</footer>\n"
        "</body>\n"
        "</html>\n";
    return page;
}

QByteArray HelpPage::englishSteps() const {
    return "<section>\n"
           "  <h2>Your screensaver in four steps</h2>\n"
           "  <ol class='steps'>\n"
           "    <li>\n"
           "      <h3>Add your photos</h3>\n"
           "      <p>Click <span class='button'>Add pictures</span> and choose the photos you "
           "want\n"
           "      in the window that opens. The photo you just chose shows in the “Preview” box "
           "on\n"
           "      the left, so you can check it. To add more, click the button again.</p>\n"
           "    </li>\n"
           "    <li>\n"
           "      <h3>Set them to music</h3>\n"
           "      <p>Click <span class='button'>Add music</span> and choose a piece of music you\n"
           "      like. It plays in the background while the screensaver shows your photos.</p>\n"
           "    </li>\n"
           "    <li>\n"
           "      <h3>Make the screensaver</h3>\n"
           "      <p>Click <span class='button'>Generate</span>. A window opens that first puts\n"
           "      your photos and music together into a complete screensaver.</p>\n"
           "      <ul>\n"
           "        <li>Click <span class='button'>Preview</span> to see it full screen first;\n"
           "        press any key to come back.</li>\n"
           "        <li>Once you like it, click <span class='button'>Generate</span> in that\n"
           "        window: the installer goes into the package folder\n"
           "        (<code>制作好的屏幕程序</code> beside this program), with two single files\n"
           "        to give away (see “How do I give the screensaver to friends?” below).</li>\n"
           "      </ul>\n"
           "    </li>\n"
           "    <li>\n"
           "      <h3>Install and enjoy</h3>\n"
           "      <p>Click <span class='button'>Install</span> to run the installer in the "
           "package\n"
           "      folder and install your screensaver on this computer. From then on your photos\n"
           "      and music play whenever the computer is idle.</p>\n"
           "    </li>\n"
           "  </ol>\n"
           "  <p class='note'>Want to start again from scratch? Click\n"
           "  <span class='button'>New screensaver</span> at the top right. It empties the\n"
           "  package folder: the photos and music you added and the programs made there are\n"
           "  all deleted, so copy them elsewhere first if you want to keep them.</p>\n"
           "</section>\n";
}

QByteArray HelpPage::englishQuestions() const {
    return "<section>\n"
           "  <h2>Questions</h2>\n"
           "  <dl>\n"
           "    <dt>How do I stop the screensaver while it plays?</dt>\n"
           "    <dd>Press any key, click the mouse or just move it a little: the screensaver ends\n"
           "    and you are back where you were.</dd>\n"
           "    <dt>Where is my work kept?</dt>\n"
           "    <dd>In this program's folder there is a folder named\n"
           "    <code>制作好的屏幕程序</code>, the package folder: the photos and music you added\n"
           "    and the screensaver programs are all kept there.</dd>\n"
           "    <dt>How do I give the screensaver to friends?</dt>\n"
           "    <dd>Once you have clicked <span class='button'>Generate</span> in the generate\n"
           "    window, the package folder holds two files, each with the whole screensaver\n"
           "    inside; send either one:\n"
           "      <ul>\n"
           "        <li>Friends on Windows: send <code>屏幕保护-Windows.exe</code>; a "
           "double-click\n"
           "        on it installs the screensaver.</li>\n"
           "        <li>Friends on Linux: send <code>屏幕保护-Linux.run</code>; they run\n"
           "        <code>sh 屏幕保护-Linux.run</code> in a terminal, or double-click it where "
           "their\n"
           "        file manager allows.</li>\n"
           "      </ul>\n"
           "      You can also copy the whole package folder to friends who use the same system\n"
           "      as you; they run the <code>setup.exe</code> inside to install it. Each time you\n"
           "      click <span class='button'>OK</span> to put the screensaver together again,\n"
           "      click <span class='button'>Generate</span> once more so that the two files are\n"
           "      brought up to date.</dd>\n"
           "    <dt>What are the buttons at the top right of the window for?</dt>\n"
           "    <dd>“?” opens this help; “—” minimises the window to the taskbar; “×” closes the\n"
           "    maker.</dd>\n"
           "    <dt>Will my photos be distorted?</dt>\n"
           "    <dd>No. The preview box only stretches a photo to its own size for a quick look;\n"
           "    your photo files are never changed. Sharp, bright photos look best full\n"
           "    screen.</dd>\n"
           "  </dl>\n"
           "</section>\n";
}

}  // namespace glint::assets
