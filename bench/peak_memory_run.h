#pragma once

// Peak memory with a large photo, on either system: a process that loads it into Form1 with the
// backend's real picture loader on the headless backend (1920 x 1080 screen), sweeps it in
// (move7) and hands back to the slide cycle, which loads it again. Prints the process's peak
// memory, as the system measures it (peakMb), and the times.

#include <filesystem>
#include <functional>
#include <string>

#include "bench/bench_support.h"
#include "bench/package_folder.h"
#include "platform/services.h"
#include "player/effects/edge_sweeps.h"
#include "tests/player/player_harness.h"

namespace glint::bench {

inline void runPeakMemory(const std::string& photo, const std::string& key,
                          platform::PictureLoader& loader, const std::function<double()>& peakMb) {
    testing::PlayerHarness h(1920, 1080);
    std::filesystem::copy_file(photo, h.folder.file("photo.jpg"));
    writePlayerPackage(h.folder.path(), {"photo.jpg"});
    platform::Services services{h.folder.path(), h.timers, h.runtime, h.screen, h.metrics,
                                loader,          h.media,  h.cursor,  h.runtime};
    player::Form1 form(services);
    form.setClientSize(1920, 1080);
    const double beforeMb = peakMb();

    const Stopwatch load;
    form.Form_Load();
    const double loadMs = load.elapsedMs();
    const Stopwatch sweep;
    player::effects::move7(form.stage());
    const double sweepMs = sweep.elapsedMs();

    report("memory_" + key + "_peak_rss", peakMb(), "MB");
    report("memory_" + key + "_before_load", beforeMb, "MB");
    report("memory_" + key + "_load_ms", loadMs, "ms");
    report("memory_" + key + "_sweep_and_next_step_ms", sweepMs, "ms");
    report("memory_" + key + "_picture_width", form.Picture1.picture().width(), "px");
}

}  // namespace glint::bench
