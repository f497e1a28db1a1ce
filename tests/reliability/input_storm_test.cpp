// Random input over every effect: each run of the show ends exactly at the first input the exit
// table says ends it, not before, with the pointer and the music as that input leaves them.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "tests/player/player_harness.h"
#include "tests/reliability/input_storm.h"

namespace glint::reliability {
namespace {

using platform::headless::RunResult;
using testing::PlayerHarness;

// Pictures of every shape the effects treat apart: wide, tall, one pixel, larger than the screen.
void writeShow(PlayerHarness& h) {
    const std::pair<int, int> sizes[] = {{40, 30}, {17, 31}, {1, 1}, {70, 50}, {200, 150}};
    std::vector<std::string> names;
    for (const auto& [width, height] : sizes) {
        names.push_back("p" + std::to_string(names.size()) + ".jpg");
        h.addPicture(names.back(), testing::gridPicture(width, height));
    }
    h.writePackage(names);
}

TEST(InputStorm, EveryRunEndsAtTheFirstInputThatShouldEndItAndNoEarlier) {
    std::mt19937 plan(20240611);
    std::set<int> effectsEnded;
    std::set<std::tuple<bool, bool>> endings;  // pointer shown, music halted
    std::int64_t inputs = 0;
    // Every effect in each stage of its turn, the keys going to the window or to the box.
    for (int run = 0; run < 42; ++run) {
        const std::uint32_t seed = plan();
        const int stage = run % 3;
        // About the chances each stage gives: a dozen ticks of the storm's timer before the tick,
        // a dozen or more passes or slide ticks while it runs, a thousand passes handing back.
        const int most[] = {8, 12, 1000};
        const int skip = std::uniform_int_distribution(0, most[stage])(plan);
        const InputStorm::Arming arming{run % 14, static_cast<InputStorm::Stage>(stage), skip};
        const bool pictureHasKeys = run % 2 == 0;
        SCOPED_TRACE("seed " + std::to_string(seed) + ", effect " + std::to_string(arming.effect) +
                     ", stage " + std::to_string(stage) + " after " + std::to_string(skip) +
                     (pictureHasKeys ? ", keys to the picture box" : ""));
        PlayerHarness h(160, 120);
        writeShow(h);
        InputStorm storm(h.runtime, h.timers, h.screen, seed, arming);
        platform::Services services{h.folder.path(), h.timers, storm,    h.screen, h.metrics,
                                    h.pictures,      h.media,  h.cursor, h.runtime};
        player::Form1 form(services);
        if (pictureHasKeys) form.setFocusedControl(&form.Picture1);
        storm.attach(form);

        const RunResult result = h.runtime.run(form, 600'000);
        inputs += storm.delivered();
        EXPECT_EQ(storm.missedEnd(), "") << "this input did not end the show";
        ASSERT_EQ(result.end, RunResult::End::Ended) << result.errorReport;
        const ExitVerdict& verdict = storm.lastVerdict();
        EXPECT_TRUE(verdict.ends) << "the show ended at an input that must not end it: "
                                  << storm.lastInput();
        const std::vector<bool> pointer =
            verdict.showsPointer ? std::vector{false, true} : std::vector{false};
        EXPECT_EQ(h.cursor.calls(), pointer) << storm.lastInput();
        EXPECT_EQ(h.media.requests().back() == "stop", verdict.haltsMusic) << storm.lastInput();
        effectsEnded.insert(storm.lastEffect());
        endings.insert({verdict.showsPointer, verdict.haltsMusic});
    }
    // The storm itself reached every effect and every kind of ending.
    EXPECT_EQ(effectsEnded.size(), 14u);
    EXPECT_EQ(endings.size(), 3u);
    EXPECT_GT(inputs, 10'000);
    RecordProperty("inputs", static_cast<int>(inputs));
}

}  // namespace
}  // namespace glint::reliability
