#pragma once

// A player on the headless backend with a package folder of its own: write the package, make the
// window, script input, run it on the virtual clock, then look at what the user would have seen.

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_devices.h"
#include "platform/headless/headless_runtime.h"
#include "platform/headless/scripted_pictures.h"
#include "platform/headless/virtual_clock.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"
#include "player/form1.h"
#include "tests/support/temp_folder.h"

namespace glint::testing {

// A solid picture whose colour tells it apart.
platform::Image solidPicture(int width, int height, platform::Rgb color);

// A picture whose every pixel has its own colour: (x, y) holds rgb(x, y, 7).
platform::Image gridPicture(int width, int height);

class PlayerHarness {
public:
    explicit PlayerHarness(int screenWidth = 1024, int screenHeight = 768);

    // Writes the list file with one quoted line per text.
    void writeList(const std::string& name, const std::vector<std::string>& texts);
    // Puts a picture file into the package folder; the loader decodes it to this image.
    void addPicture(const std::string& name, platform::Image image);
    // A whole package: the pictures (already added) in this order, music "song.wav", the switch
    // and the caption.
    void writePackage(const std::vector<std::string>& pictures, const std::string& musicSwitch = "1",
                      const std::string& caption = "Caption");

    player::Form1& form();
    platform::headless::RunResult run(std::int64_t untilMs);

    struct TickRecord {
        int effect;              // Label2 when Timer1 ticked
        platform::Rgb picture;   // the colour of pixel (0, 0) of the picture in Picture1
        std::int64_t atMs;
    };
    // From now on every tick of Timer1 is recorded before it runs.
    const std::vector<TickRecord>& recordTicks();

    TempFolder folder;
    platform::headless::VirtualClock clock;
    platform::TimerScheduler timers{clock};
    platform::headless::FixedScreen screen;
    platform::headless::FixedTextMetrics metrics;
    platform::headless::ScriptedPictures pictures;
    platform::headless::FakeMediaPlayer media;
    platform::headless::RecordingCursor cursor;
    platform::headless::HeadlessRuntime runtime;
    platform::Services services;

private:
    std::unique_ptr<player::Form1> m_form;
    std::vector<TickRecord> m_ticks;
};

}  // namespace glint::testing
