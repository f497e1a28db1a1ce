// The pixel sweep on the Qt backend with the pacing switched off: the player's window on the
// real screen (Xvfb or offscreen), a 1920 x 1080 photo swept in left to right (move7). Prints the
// time per pass (column copy plus event pass), the event pass alone, and whether every pass
// that painted pixels was presented (paint events counted at the window).
// usage: qt_sweep_bench PICTURE

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "bench/package_folder.h"
#include "bench/sweep_stage.h"
#include "platform/qt/qt_services.h"
#include "platform/twips.h"
#include "player/effects/edge_sweeps.h"
#include "tests/support/temp_folder.h"

namespace {

class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++m_paints;
        return QObject::eventFilter(watched, event);
    }
    long paints() const { return m_paints; }

private:
    long m_paints = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    namespace bench = glint::bench;
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    glint::testing::TempFolder folder;
    std::filesystem::copy_file(argv[1], folder.file("photo.jpg"));
    bench::writePlayerPackage(folder.path(), {"photo.jpg"});

    glint::platform::qt::QtServices qt(folder.path());
    glint::player::Form1 form(qt.services());
    qt.runtime().start(form);
    form.Timer1.setEnabled(false);
    for (int i = 0; i < 50; ++i) qt.runtime().doEvents();

    PaintCounter counter;
    qt.runtime().window()->installEventFilter(&counter);
    bench::UnpacedLoop loop(qt.runtime());
    loop.timePasses();
    glint::player::effects::Stage stage = bench::unpacedStage(form, loop);
    const bench::Stopwatch watch;
    glint::player::effects::move7(stage);
    const double sweepMs = watch.elapsedMs();

    // Columns that land on the screen: the box (picture and frame) is centred, so a picture as
    // wide as the screen has its first and last columns off it.
    const int columns = form.Picture1.picture().width();
    const float left = form.Picture1.left() / glint::platform::kTwipsPerPixel;
    int visible = 0;
    for (int x = 0; x < columns; ++x) {
        const int at = glint::platform::roundHalfEven(x + left);
        if (at >= 0 && at < form.surface().width()) ++visible;
    }
    bench::report("sweep_qt_ms_per_pass", bench::median(loop.wholePassMs()), "ms");
    bench::report("sweep_qt_ms_per_pass_p99", bench::percentile(loop.wholePassMs(), 99), "ms");
    bench::report("sweep_qt_event_pass_ms", bench::median(loop.eventPassMs()), "ms");
    bench::report("sweep_qt_ms_per_sweep", sweepMs, "ms");
    bench::report("sweep_qt_passes", static_cast<double>(loop.passes()), "count");
    bench::report("sweep_qt_passes_with_pixels", visible, "count");
    bench::report("sweep_qt_paints", static_cast<double>(counter.paints()), "count");
    bench::report("sweep_qt_screen_width", form.surface().width(), "px");
    return 0;
}
