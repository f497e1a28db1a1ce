// The cycle step without the decode: Form1::diaowenjian on the headless backend, whose loader
// hands back tiny registered pictures, for lists "pb.dat" of 10, 10,000 and 100,000 lines.
// Prints the median time per step for each length.

#include <fstream>
#include <string>

#include "bench/bench_support.h"
#include "tests/player/player_harness.h"

namespace {

constexpr int kSteps = 15;

void timeSteps(int lines) {
    namespace bench = glint::bench;
    glint::testing::PlayerHarness h(1920, 1080);
    {
        std::ofstream list(h.folder.file("pb.dat"), std::ios::binary);
        for (int i = 1; i <= lines; ++i) list << "\"picture" << i << ".jpg\"\r\n";
    }
    for (int i = 1; i <= kSteps; ++i) {
        const std::string name = "picture" + std::to_string(i) + ".jpg";
        h.addPicture(name, glint::platform::Image(4, 3, glint::platform::rgb(i, 0, 0)));
    }
    glint::player::Form1& form = h.form();
    form.Label1.setCaption("0");
    std::vector<double> steps;
    for (int i = 0; i < kSteps; ++i) {
        const bench::Stopwatch watch;
        form.diaowenjian();
        steps.push_back(watch.elapsedMs());
    }
    bench::report("cycle_step_" + std::to_string(lines) + "_lines", bench::median(steps), "ms");
}

}  // namespace

int main() {
    for (int lines : {10, 10000, 100000}) timeSteps(lines);
    return 0;
}
