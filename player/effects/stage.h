#pragma once

// What the transition effects work on: the player window's picture box, its timers, its drawing
// surface and the screen, the event loop, and the slide cycle's delay to hand control back.

#include <cstdint>
#include <functional>

#include "platform/picture_box.h"
#include "platform/pixel_surface.h"
#include "platform/services.h"
#include "platform/timer.h"

namespace glint::player::effects {

struct Stage {
    platform::PictureBox& Picture1;
    platform::Timer& Timer1;
    platform::Timer& Timermove7;
    platform::Timer& Timermove8;
    platform::Timer& Timermove9;
    platform::Timer& Timermove10;
    platform::PixelSurface& surface;
    platform::EventLoop& events;
    const platform::Screen& screen;
    // The slide cycle's delay: dtime + 1 event passes, then the cycle step.
    std::function<void(std::int16_t& dtime)> delay;
};

// Every effect hands control back with this dtime.
inline constexpr std::int16_t kDelayPasses = 1000;

}  // namespace glint::player::effects
