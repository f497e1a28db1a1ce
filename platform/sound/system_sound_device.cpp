#include "platform/sound/system_sound_device.h"

#include "platform/sound/alsa_output.h"
#include "platform/sound/pulse_output.h"

namespace glint::platform::sound {

std::unique_ptr<SoundOutput> SystemSoundDevice::open(const SoundFormat& format,
                                                     const StopFlag& stop) {
    if (auto pulse = PulseOutput::open(format, stop)) return pulse;
    if (stop) return nullptr;
    return AlsaOutput::open(format);
}

}  // namespace glint::platform::sound
