#pragma once

// Turns a score into sound: each voice a few sine partials under an envelope, the mix given a
// soft echo, then scaled so its loudest sample reaches `peak` and faded out at the end.

#include <vector>

#include "assets/sample/music_score.h"

namespace glint::assets {

// Mono samples in -1..1 at the given rate, covering the score and `tailSeconds` of ringing after
// it. The same score and rate give the same samples on every run.
std::vector<double> renderScore(const Score& score, int sampleRate, double tailSeconds,
                                double peak);

}  // namespace glint::assets
