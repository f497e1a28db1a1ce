#pragma once

// What kind of music a file holds, told by its first bytes and never by its name: a show's music
// file may have been renamed.

#include <cstddef>
#include <string>

namespace glint::platform::sound {

enum class SoundKind {
    Wave,     // RIFF/WAVE
    Mpeg,     // MPEG audio (MP3, MP2): an ID3v2 tag or a frame header first
    Asf,      // Windows Media (WMA): the ASF header object's GUID
    Other,    // FLAC, Ogg or AIFF, which libsndfile reads
    Unknown,  // anything else, which GStreamer may still know
};

// The number of bytes recogniseSound looks at.
inline constexpr std::size_t kSoundHeadBytes = 16;

SoundKind recogniseSound(const unsigned char* head, std::size_t size);
// Of a file's first bytes; Unknown where it cannot be read.
SoundKind recogniseSoundFile(const std::string& path);

}  // namespace glint::platform::sound
