// glintmaker: the authoring program, on Windows. Its own folder, with the pic folder, the help
// page, the player, the installer and the package folder, is the folder of its executable. The
// executable carries its artwork and icon as resources (glintmaker.rc, made by the build).

#include <windows.h>

#include "language/translate.h"
#include "maker/form_main.h"
#include "platform/files.h"
#include "platform/win32/executable_folder.h"
#include "platform/win32/picture_cursor.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_picture_fitting.h"
#include "platform/win32/win32_services.h"

namespace {

// The fingertip of the built-in hand picture.
constexpr int kHandHotSpotX = 12;
constexpr int kHandHotSpotY = 1;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    namespace win32 = glint::platform::win32;
    glint::language::useDesktopLanguage();
    // Among the services a media player, which the authoring program never plays.
    win32::Win32Services platform(win32::executableFolder());
    win32::Win32Desktop desktop(platform.runtime());
    platform.runtime().setHandCursor(
        win32::cursorFromPicture(desktop.builtInPicture("hand.png"), kHandHotSpotX, kHandHotSpotY));
    win32::Win32PictureFitting fitting;
    glint::maker::FormMain form(platform.services(), desktop, glint::platform::systemFiles(),
                                fitting);
    return platform.runtime().run(form);
}
