#pragma once

// What a drop of files and folders holds: the pictures and music files among the paths dropped
// and in the folders' trees, in the order they are added, and what was passed over.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace glint::maker {

enum class MediaKind { Picture, Music, Other };

// Told by the file name's extension, without regard to case: the formats of the file dialogs'
// filters and those the picture loader and the media player read.
MediaKind mediaKindOf(std::string_view fileName);

// Name order as file managers show it: runs of digits compare by their value (IMG_2 before
// IMG_10), letters without regard to case; names equal so are ordered by their bytes.
bool naturalLess(std::string_view a, std::string_view b);

struct DroppedFile {
    std::string path;
    MediaKind kind;
    bool operator==(const DroppedFile&) const = default;
};

struct DropContents {
    std::vector<DroppedFile> files;
    // Why something dropped is not among the files, one text each, in the order met.
    std::vector<std::string> passedOver;
    bool cancelled = false;
};

// Looks at the dropped paths in order: a picture or music file is taken as it is; a folder gives
// its own files in name order, then each subfolder's tree in name order. Links to folders inside
// a folder are not followed. goOn is asked after each folder with the count of files found so
// far; when it says no, the walk stops there and the contents say it was cancelled.
DropContents dropContents(const std::vector<std::string>& paths, platform::Files& files,
                          const std::function<bool(int found)>& goOn);

}  // namespace glint::maker
