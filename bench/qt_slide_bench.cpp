// Slide-in smoothness on the Qt backend: the player shows a one-picture package (its first
// effect is a slide-in) and every paint of its window that happens while a move timer is on is
// stamped. Prints the median and 99th percentile interval between successive paints, after
// SECONDS of the show.
// usage: qt_slide_bench PICTURE SECONDS

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/package_folder.h"
#include "platform/qt/qt_services.h"
#include "player/form1.h"
#include "tests/support/temp_folder.h"

namespace {

class SlidePaints : public QObject {
public:
    explicit SlidePaints(glint::player::Form1& form) : m_form(form) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const bool sliding = m_form.Timermove7.enabled() || m_form.Timermove8.enabled() ||
                                 m_form.Timermove9.enabled() || m_form.Timermove10.enabled();
            const auto now = std::chrono::steady_clock::now();
            if (sliding && m_wasSliding) {
                m_intervalsMs.push_back(
                    std::chrono::duration<double, std::milli>(now - m_last).count());
            }
            m_wasSliding = sliding;
            m_last = now;
        }
        return QObject::eventFilter(watched, event);
    }
    const std::vector<double>& intervalsMs() const { return m_intervalsMs; }

private:
    glint::player::Form1& m_form;
    bool m_wasSliding = false;
    std::chrono::steady_clock::time_point m_last;
    std::vector<double> m_intervalsMs;
};

}  // namespace

int main(int argc, char* argv[]) {
    namespace bench = glint::bench;
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    glint::testing::TempFolder folder;
    std::filesystem::copy_file(argv[1], folder.file("photo.jpg"));
    bench::writePlayerPackage(folder.path(), {"photo.jpg"});
    glint::platform::qt::QtServices qt(folder.path());
    glint::player::Form1 form(qt.services());
    SlidePaints paints(form);
    QTimer::singleShot(std::atoi(argv[2]) * 1000, [&paints] {
        bench::report("slide_paint_interval_median", bench::median(paints.intervalsMs()), "ms");
        bench::report("slide_paint_interval_p99", bench::percentile(paints.intervalsMs(), 99),
                      "ms");
        bench::report("slide_paints", static_cast<double>(paints.intervalsMs().size()), "count");
        std::_Exit(0);
    });
    qt.runtime().start(form);
    qt.runtime().window()->installEventFilter(&paints);
    return QApplication::exec();
}
