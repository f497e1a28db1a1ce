#pragma once

// A picture file opened for a decoder, with its first bytes read to tell its format by content,
// whatever its name says. The file is read in large blocks and stands at its start again.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace glint::platform::pictures {

struct PictureFile {
    std::unique_ptr<FILE, int (*)(FILE*)> file{nullptr, &std::fclose};
    unsigned char start[16] = {};
    std::size_t got = 0;  // how many of start's bytes the file has
};

// Throws package::FileError "File not found" when path names no regular file, "Cannot open file"
// when it cannot be opened or read.
PictureFile openPictureFile(const std::string& path);

}  // namespace glint::platform::pictures
