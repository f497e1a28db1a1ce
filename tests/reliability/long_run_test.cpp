// The show left running: a week of it on the virtual clock keeps the pictures and effects in
// order and holds no more memory at the end than after its first turns. The suite runs an hour
// of it; `make soak` runs the whole week (GLINT_LONG_RUN_HOURS=168).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/headless/headless_runtime.h"
#include "player/caption_number.h"
#include "tests/player/player_harness.h"
#include "tests/reliability/memory_use.h"

namespace glint::reliability {
namespace {

using platform::headless::RunResult;

constexpr int kPictures = 50;
// After this many slides every picture has come with every effect it ever comes with (the least
// common multiple of 50 pictures and 14 effects): the show is back where it began.
constexpr std::int64_t kWholeTurn = 350;

std::int64_t runHours() {
    const char* hours = std::getenv("GLINT_LONG_RUN_HOURS");
    return hours ? std::max(1L, std::atol(hours)) : 1;
}

TEST(LongRun, FiftyPicturesKeepTheirOrderAndTheHeapStaysFlat) {
    const std::int64_t hours = runHours();
    testing::PlayerHarness h(160, 120);
    std::vector<std::string> names;
    for (int k = 0; k < kPictures; ++k) {
        names.push_back("photo " + std::to_string(k) + ".jpg");
        h.addPicture(names.back(),
                     testing::solidPicture(4 + k % 13, 3 + k % 7, platform::rgb(k, 1, 1)));
    }
    h.writePackage(names);

    player::Form1& form = h.form();
    std::int64_t slides = 0;
    std::int64_t outOfOrder = 0;
    std::size_t heapAfterWarmUp = 0;
    std::size_t heapMost = 0;
    std::size_t residentAfterWarmUp = 0;
    const auto tick = form.Timer1.onTick;
    form.Timer1.onTick = [&] {
        const auto effect = static_cast<std::int64_t>(player::captionNumber(form.Label2));
        const platform::Rgb picture = form.Picture1.picture().pixel(0, 0);
        if (effect != slides % 14 || picture != platform::rgb(int(slides % kPictures), 1, 1)) {
            ++outOfOrder;
        }
        // Measured at the first picture of the list, from the end of a whole turn on.
        if (slides >= kWholeTurn && slides % kPictures == 0) {
            const std::size_t heap = heapInUse();
            if (slides == kWholeTurn) {
                heapAfterWarmUp = heap;
                residentAfterWarmUp = residentBytes();
            }
            heapMost = std::max(heapMost, heap);
        }
        ++slides;
        tick();
    };
    const RunResult result = h.run(hours * 3'600'000);
    EXPECT_EQ(result.end, RunResult::End::TimeLimit);
    EXPECT_EQ(outOfOrder, 0);
    // A slide takes less than 3 s here: the hold is 2 s, the rest a fraction of a second.
    EXPECT_GT(slides, hours * 3600 / 3);
    EXPECT_GT(heapAfterWarmUp, 0u);
    EXPECT_LE(heapMost - heapAfterWarmUp, 4096u) << "after " << slides << " slides";
    RecordProperty("hours", static_cast<int>(hours));
    RecordProperty("slides", static_cast<int>(slides));
    RecordProperty("heap_growth_bytes", static_cast<int>(heapMost - heapAfterWarmUp));
    RecordProperty("resident_growth_kb", static_cast<int>((static_cast<long>(residentBytes()) -
                                                           static_cast<long>(residentAfterWarmUp)) /
                                                          1024));
}

}  // namespace
}  // namespace glint::reliability
