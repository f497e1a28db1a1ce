#pragma once

// The sample show: a complete package of our own pictures and music, laid out in a folder the
// player can run from (once a copy of the player is put beside them as pb.cc).

#include <stdexcept>
#include <string>
#include <vector>

namespace glint::assets {

class SampleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kSampleRate = 22050;
inline constexpr const char* kMusicFileName = "evening_breeze.wav";
inline constexpr const char* kCaption = "Glint 示例屏保 · https://glint.example.org";

// Writes the pictures, the music and the four lists (pb.dat, ms.dat, kg.ini, timu.dat) into
// `folder`, which must exist. Returns the bare names written, in the order written.
// Throws SampleError, before writing anything, when the folder is missing or already holds any
// name it would write (a file, a folder or a link: nothing is replaced and no link is followed out
// of the folder); and when a write fails, leaving what was written so far.
std::vector<std::string> writeSampleShow(const std::string& folder);

}  // namespace glint::assets
