#pragma once

// RIFF WAVE files: 16-bit PCM, one channel.

#include <cstdint>
#include <vector>

namespace glint::assets {

// The whole file: the 44-byte header (RIFF, "fmt " and "data" chunks, every number little-endian)
// followed by the samples. Samples in -1..1 are scaled by 32767 and rounded; beyond that range
// they are clipped.
std::vector<std::uint8_t> encodeWav(const std::vector<double>& samples, int sampleRate);

}  // namespace glint::assets
