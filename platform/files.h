#pragma once

// File services of the platform: copying a file over another, emptying a folder, and looking at
// what a path names and what a folder holds.

#include <string>
#include <vector>

namespace glint::platform {

enum class EntryKind {
    File,
    Folder,
    // A link (or on Windows a junction) that names a folder: never followed inside a folder.
    LinkToFolder,
    // Anything else that exists: a device, a pipe, a socket.
    Other,
    // Nothing there, or a link that leads nowhere.
    Missing,
};

struct FolderEntry {
    std::string name;  // the bare name, in the programs' own text (UTF-8 on Windows)
    EntryKind kind;
    bool operator==(const FolderEntry&) const = default;
};

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

    // What the path names, a link followed: File, Folder, Other or Missing.
    virtual EntryKind kindOf(const std::string& path) = 0;

    // The entries directly in the folder, in no particular order, without "." and "..". A link
    // to a file is the file; a link to a folder is LinkToFolder. Throws package::FileError naming
    // the folder when it cannot be read.
    virtual std::vector<FolderEntry> listFolder(const std::string& folder) = 0;
};

// The file services of the system the program runs on.
Files& systemFiles();

}  // namespace glint::platform
