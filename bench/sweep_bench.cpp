// The pixel sweep on the headless backend with the pacing switched off: the logic's copyPixel
// into the PixelSurface, timed over whole left-to-right sweeps (move7) of synthetic pictures on
// a 1920 x 1080 screen. Prints ns per pixel copied and ms per sweep for each picture size.

#include <string>

#include "bench/bench_support.h"
#include "bench/sweep_stage.h"
#include "player/effects/edge_sweeps.h"
#include "tests/player/player_harness.h"

namespace {

struct Size {
    const char* key;
    int width;
    int height;
    int runs;
};

glint::platform::Image syntheticPicture(int width, int height) {
    glint::platform::Image image(width, height);
    auto& pixels = image.pixels();
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<glint::platform::Rgb>(i * 2654435761u) & 0xFFFFFFu;
    return image;
}

void timeSweep(const Size& size) {
    namespace bench = glint::bench;
    glint::testing::PlayerHarness h(1920, 1080);
    glint::player::Form1& form = h.form();
    form.setClientSize(1920, 1080);
    form.Picture1.setPicture(syntheticPicture(size.width, size.height));
    form.Picture1.setScaleModePixels(true);
    bench::UnpacedLoop loop(h.runtime);
    glint::player::effects::Stage stage = bench::unpacedStage(form, loop);
    std::vector<double> runs;
    for (int run = 0; run < size.runs; ++run) {
        const bench::Stopwatch watch;
        glint::player::effects::move7(stage);
        runs.push_back(watch.elapsedMs());
    }
    // Both loops run one beyond the last column and row.
    const double copies = (size.width + 1.0) * (size.height + 1.0);
    const double ms = bench::median(runs);
    const std::string key = std::string("sweep_headless_") + size.key;
    bench::report(key + "_ns_per_pixel", ms * 1e6 / copies, "ns");
    bench::report(key + "_ms_per_sweep", ms, "ms");
}

}  // namespace

int main(int argc, char* argv[]) {
    const Size sizes[] = {{"1920x1080", 1920, 1080, 7},
                          {"1mp", 1224, 816, 5},
                          {"6mp", 3000, 2000, 3},
                          {"24mp", 6000, 4000, 3},
                          {"100mp", 12500, 8000, 1}};
    const std::string only = argc > 1 ? argv[1] : "";
    for (const Size& size : sizes) {
        if (only.empty() || only == size.key) timeSweep(size);
    }
    return 0;
}
