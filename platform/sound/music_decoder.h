#pragma once

// The decoder for a music file, picked by what the file holds. Each kind has its decoders in
// order of preference; the first that gives sound is taken:
//   WAV:              our reader, libsndfile (the other WAV codecs), GStreamer
//   MP3:              libmpg123, or libsndfile where libmpg123 is missing; GStreamer
//   FLAC, Ogg, AIFF:  libsndfile, GStreamer
//   WMA, the rest:    GStreamer
// libsndfile is never handed a file libmpg123 has refused, nor one of unknown kind: it would try
// libmpg123 on it, which then prints its complaints (our own use of libmpg123 keeps it quiet).

#include <memory>
#include <string>

#include "platform/sound/sound_source.h"

namespace glint::platform::sound {

// Null where no decoder on this system gives sound from the file. `stop` ends a slow start
// (GStreamer's) early and must outlive the source.
std::unique_ptr<SoundSource> openMusic(const std::string& path, const StopFlag& stop);

}  // namespace glint::platform::sound
