// The authoring program's hover step: FormMain::hover on the first picture button, the pointer
// moving in and out by turns, with the Qt backend's real loader on the real pic files.
// Prints the median and 99th percentile per pointer move.
// usage: hover_bench PIC_FOLDER

#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "platform/qt/qt_picture_loader.h"
#include "tests/maker/maker_harness.h"

int main(int argc, char* argv[]) {
    namespace bench = glint::bench;
    namespace fs = std::filesystem;
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    glint::testing::MakerHarness h;
    for (const auto& entry : fs::directory_iterator(argv[1])) {
        fs::copy_file(entry.path(), h.folder.file("pic/" + entry.path().filename().string()),
                      fs::copy_options::overwrite_existing);
    }
    glint::platform::qt::QtPictureLoader loader;
    glint::platform::Services services{h.folder.path(), h.timers, h.runtime, h.screen, h.metrics,
                                       loader,          h.media,  h.cursor,  h.runtime};
    glint::maker::FormMain form(services, h.desktop, h.files, h.fitting);
    glint::platform::PictureBox& button = form.Picture1;
    const float insideX = button.width() / 2;
    const float insideY = button.height() / 2;
    std::vector<double> moves;
    for (int i = 0; i < 400; ++i) {
        const bool inside = i % 2 == 0;
        const bench::Stopwatch watch;
        form.hover(button, {0, 0, inside ? insideX : -15.0f, inside ? insideY : -15.0f});
        moves.push_back(watch.elapsedMs());
    }
    bench::report("hover_ms_per_move", bench::median(moves), "ms");
    bench::report("hover_ms_per_move_p99", bench::percentile(moves, 99), "ms");
    bench::report("hover_button_width", button.picture().width(), "px");
    bench::report("hover_messages", static_cast<double>(h.desktop.messages().size()), "count");
    return 0;
}
