#include "installer/win32/win32_shortcut.h"

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include "installer/install_plan.h"
#include "installer/win32/win32_com.h"
#include "language/translate.h"
#include "platform/win32/wide_text.h"

namespace glint::installer::win32 {

using platform::win32::widen;

void saveShortcut(const std::string& linkPath, const Shortcut& shortcut) {
    const ComScope com;
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    const bool saved =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   link.out())) &&
        SUCCEEDED(link->SetPath(widen(shortcut.target).c_str())) &&
        SUCCEEDED(link->SetArguments(widen(shortcut.arguments).c_str())) &&
        SUCCEEDED(link->SetWorkingDirectory(widen(shortcut.workingFolder).c_str())) &&
        SUCCEEDED(link->SetDescription(widen(shortcut.description).c_str())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) &&
        SUCCEEDED(file->Save(widen(linkPath).c_str(), TRUE));
    if (!saved) throw InstallError(language::trf("无法建立快捷方式：%1", {linkPath}));
}

}  // namespace glint::installer::win32
