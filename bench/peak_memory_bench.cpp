// Peak memory with a large photo: a process that loads it into Form1 with the Qt backend's real
// loader on the headless backend (1920 x 1080 screen), sweeps it in (move7) and hands back to the
// slide cycle, which loads it again. Prints the peak resident memory (VmHWM) and the times.
// usage: peak_memory_bench PICTURE KEY

#include <QCoreApplication>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "bench/package_folder.h"
#include "platform/qt/qt_picture_loader.h"
#include "player/effects/edge_sweeps.h"
#include "tests/player/player_harness.h"

int main(int argc, char* argv[]) {
    namespace bench = glint::bench;
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    const std::string key = argv[2];
    glint::testing::PlayerHarness h(1920, 1080);
    std::filesystem::copy_file(argv[1], h.folder.file("photo.jpg"));
    bench::writePlayerPackage(h.folder.path(), {"photo.jpg"});
    glint::platform::qt::QtPictureLoader loader;
    glint::platform::Services services{h.folder.path(), h.timers, h.runtime, h.screen, h.metrics,
                                       loader,          h.media,  h.cursor,  h.runtime};
    glint::player::Form1 form(services);
    form.setClientSize(1920, 1080);
    const double beforeMb = bench::peakRssMb();

    const bench::Stopwatch load;
    form.Form_Load();
    const double loadMs = load.elapsedMs();
    const bench::Stopwatch sweep;
    glint::player::effects::move7(form.stage());
    const double sweepMs = sweep.elapsedMs();

    bench::report("memory_" + key + "_peak_rss", bench::peakRssMb(), "MB");
    bench::report("memory_" + key + "_before_load", beforeMb, "MB");
    bench::report("memory_" + key + "_load_ms", loadMs, "ms");
    bench::report("memory_" + key + "_sweep_and_next_step_ms", sweepMs, "ms");
    bench::report("memory_" + key + "_picture_width", form.Picture1.picture().width(), "px");
    return 0;
}
