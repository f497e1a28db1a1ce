#pragma once

// The desktop's sound: PulseAudio's simple API where a server takes the stream (PipeWire serves
// it too), ALSA's default device otherwise.

#include "platform/sound/sound_device.h"

namespace glint::platform::sound {

class SystemSoundDevice : public SoundDevice {
public:
    std::unique_ptr<SoundOutput> open(const SoundFormat& format, const StopFlag& stop) override;
};

}  // namespace glint::platform::sound
