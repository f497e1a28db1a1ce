// glintsaver: the picture show, on Windows. Command-line arguments are ignored: whatever a
// launcher passes, the show starts.

#include <windows.h>

#include "language/translate.h"
#include "platform/win32/executable_folder.h"
#include "platform/win32/win32_services.h"
#include "player/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    namespace win32 = glint::platform::win32;
    glint::language::useDesktopLanguage();
    // The package lies beside the executable.
    win32::Win32Services platform(win32::executableFolder());
    glint::player::Form1 form(platform.services());
    return platform.runtime().run(form);
}
