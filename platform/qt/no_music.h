#pragma once

#include <string>

#include "platform/services.h"

namespace glint::platform::qt {

// The media player of the authoring program, which has no music of its own: a show's music is
// heard only in the preview, played by the player in a process of its own. It plays nothing,
// whatever it is asked.
class NoMusic : public MediaPlayer {
public:
    void setFileName(const std::string&) override {}
    void play() override {}
    void stop() override {}
};

}  // namespace glint::platform::qt
