#pragma once

// File services of the platform: copying a file over another and emptying a folder.

#include <string>

namespace glint::platform {

class Files {
public:
    virtual ~Files() = default;

    // Copies the file, replacing the target. The copy goes to a temporary name beside the target
    // and is renamed into place, so a failed copy never leaves a truncated target; copying a file
    // onto itself changes nothing. Throws package::FileError naming the file that failed.
    virtual void copyFile(const std::string& from, const std::string& to) = 0;

    // Deletes every regular file and every link directly in the folder (a link is removed, never
    // followed); folders and their content stay. Goes on past a file it cannot delete. Returns
    // false when anything could not be deleted or the folder could not be read.
    virtual bool deleteFilesIn(const std::string& folder) = 0;
};

// The file services of the system the program runs on.
Files& systemFiles();

}  // namespace glint::platform
