#pragma once

// A show in one file ("屏幕保护-Linux.run", see package/show_file.h) installs as a package folder
// does: the whole file is checked before anything is written, then its show is extracted into a
// staging folder beside the installed shows (never /tmp, which may be mounted noexec), installed
// from there as from a package folder, and the staging folder goes again. Its lists are UTF-8,
// which is what Linux lists are, so nothing is converted.

#include <string>

#include "package/show_file.h"

namespace glint::installer {

// What a checked show file holds, known before anything is written.
struct ShowFileContents {
    package::ShowFileIndex index;
    std::string caption;  // the last line of its timu.dat, as UTF-8
};

// Reads and checks the whole show file and that it carries the player pb.cc and its lists.
// Throws InstallError, in the user's terms, when it cannot be read, is damaged or lacks them.
ShowFileContents readShowFileContents(const std::string& showFile);

// A new folder dataFolder/glint/screensavers/.incoming-PID-N holding the show's files with the
// player runnable, removed with everything in it when this object ends. Staging folders of
// installers that no longer run (killed midway) are removed first. Throws InstallError, having
// left nothing behind, when the folder cannot be made or a file cannot be written.
class StagedShow {
public:
    StagedShow(const std::string& showFile, const package::ShowFileIndex& index,
               const std::string& dataFolder);
    ~StagedShow();
    StagedShow(const StagedShow&) = delete;
    StagedShow& operator=(const StagedShow&) = delete;

    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
};

}  // namespace glint::installer
