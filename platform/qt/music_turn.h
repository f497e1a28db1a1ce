#pragma once

// The show's turn at the music is the system's, the same for every backend.

#include "platform/posix/music_turn.h"

namespace glint::platform::qt {

using posix::MusicTurn;

}  // namespace glint::platform::qt
