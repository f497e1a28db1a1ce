#include "platform/sound/music_decoder.h"

#include "platform/sound/gstreamer_source.h"
#include "platform/sound/mpg123_source.h"
#include "platform/sound/sndfile_source.h"
#include "platform/sound/sound_kind.h"
#include "platform/sound/wav_source.h"

namespace glint::platform::sound {

std::unique_ptr<SoundSource> openMusic(const std::string& path, const StopFlag& stop) {
    std::unique_ptr<SoundSource> source;
    switch (recogniseSoundFile(path)) {
        case SoundKind::Wave:
            source = WavSource::open(path);
            if (!source) source = SndfileSource::open(path);
            break;
        case SoundKind::Mpeg:
            if (Mpg123Source::available()) {
                source = Mpg123Source::open(path);
            } else {
                source = SndfileSource::open(path);
            }
            break;
        case SoundKind::Other:
            source = SndfileSource::open(path);
            break;
        case SoundKind::Asf:
        case SoundKind::Unknown:
            break;
    }
    if (!source && !stop) source = GstreamerSource::open(path, stop);
    return source;
}

}  // namespace glint::platform::sound
