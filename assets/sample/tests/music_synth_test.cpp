#include "assets/sample/music_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace glint::assets {
namespace {

TEST(MusicSynthesis, ANoteSoundsAtItsKeysPitch) {
    // One beat a second: A above middle C for a second, then silence.
    const Score score{60.0, 2.0, {{0.0, 1.0, 69, 1.0, Voice::Bass}}};
    const int rate = 22050;
    const auto samples = renderScore(score, rate, 0.5, 0.8);
    // Upward zero crossings over half a second of the held note, before its echo comes in.
    int crossings = 0;
    for (int i = rate / 10; i < rate * 6 / 10; ++i) {
        if (samples[i - 1] < 0.0 && samples[i] >= 0.0) ++crossings;
    }
    EXPECT_NEAR(crossings, 220, 2);
}

TEST(MusicSynthesis, TheTuneIsScaledToItsPeakAndBeginsAndEndsInSilence) {
    const auto samples = renderScore(sampleTune(), 22050, 2.5, 0.85);
    double loudest = 0.0;
    for (double s : samples) loudest = std::max(loudest, std::abs(s));
    EXPECT_NEAR(loudest, 0.85, 1e-9);
    EXPECT_EQ(samples.front(), 0.0);
    // Faded out: the last tenth of a second is all but silent, so the music never stops on a click.
    for (std::size_t i = samples.size() - 2205; i < samples.size(); ++i) {
        ASSERT_LT(std::abs(samples[i]), 0.01) << i;
    }
}

TEST(MusicScore, EveryNoteEndsWithinTheTune) {
    const Score score = sampleTune();
    for (const Note& note : score.notes) {
        EXPECT_GE(note.startBeat, 0.0);
        EXPECT_GT(note.beats, 0.0);
        EXPECT_LE(note.startBeat + note.beats, score.lengthBeats + 1e-9);
    }
}

}  // namespace
}  // namespace glint::assets
