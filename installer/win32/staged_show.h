#pragma once

// A show that travels in the installer's own file ("屏幕保护-Windows.exe": the installer with the
// show appended, see package/show_file.h) is unpacked into a staging folder of the user's own and
// installed from there exactly as from a package folder. The staging folder is never beside the
// file itself, which may be on a USB stick or in a mail program's read-only temporary folder.
// Paths are UTF-8.

#include <string>

namespace glint::installer::win32 {

// Whether the program's file carries a show, whole or not: a show file's trailer at its end, or
// bytes after the program's own image (a show file cut short). Only its headers and its last
// bytes are read: readShowFile checks the rest.
bool carriesShow(const std::string& path);

// Rewrites the lists of a show unpacked into folder (pb.dat, ms.dat and timu.dat, UTF-8 in a show
// file) in the ANSI code page, which the player on Windows reads. A list missing is left to the
// install plan to report. Throws InstallError, changing no list, when pb.dat or ms.dat names a
// file the code page cannot hold: the player could not find that file again. The caption keeps
// what the code page holds, the rest becomes "?", as the authoring program stores it here.
void convertListsToCodePage(const std::string& folder);

// A show file unpacked for installation: a new folder incomingRoot\N holding the show's files in
// "show" (lists in the ANSI code page) and the installer without the show as "uninstall.exe".
// The folder goes, with everything in it, when this does or when unpacking fails. Throws
// package::ShowFileError for a damaged or incomplete file and InstallError for anything else
// (a file that cannot be read, too little room, a folder that cannot be written, a list above).
class StagedShow {
public:
    StagedShow(const std::string& showFile, const std::string& incomingRoot);
    ~StagedShow();
    StagedShow(const StagedShow&) = delete;
    StagedShow& operator=(const StagedShow&) = delete;

    // The unpacked show, a package folder for planInstall and install.
    const std::string& packageFolder() const { return m_package; }
    // The installer alone, to be copied beside the installed show as its uninstaller.
    const std::string& plainInstaller() const { return m_installer; }

private:
    void removeFolder();

    std::string m_folder;
    std::string m_package;
    std::string m_installer;
};

}  // namespace glint::installer::win32
