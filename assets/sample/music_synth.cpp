#include "assets/sample/music_synth.h"

#include <algorithm>
#include <cmath>

namespace glint::assets {

namespace {

constexpr double kTwoPi = 6.283185307179586;

struct Timbre {
    double gain;
    double attack;   // seconds to full level
    double decay;    // seconds from full level down to `sustain`; with no sustain, the time
                     // constant of a plucked note's fade
    double sustain;  // level held while the note lasts, 0 for a plucked note
    double release;  // seconds to silence after the note ends
    double second;   // strength of the second and third partials against the first
    double third;
    double detune;   // a second voice this fraction sharp, for a chorused pad; 0 for none
    double vibrato;  // depth as a fraction of the frequency, beginning after a quarter second
};

Timbre timbreOf(Voice voice) {
    switch (voice) {
        case Voice::Melody:
            return {0.30, 0.02, 0.3, 0.65, 0.30, 0.22, 0.07, 0.0, 0.004};
        case Voice::Pad:
            return {0.045, 0.6, 1.0, 1.0, 0.9, 0.05, 0.0, 0.0035, 0.0};
        case Voice::Arpeggio:
            return {0.11, 0.004, 0.45, 0.0, 0.25, 0.12, 0.1, 0.0, 0.0};
        case Voice::Bass:
            return {0.22, 0.02, 0.4, 0.55, 0.25, 0.18, 0.0, 0.0, 0.0};
    }
    return {};
}

double envelope(const Timbre& t, double age, double length) {
    const auto held = [&t](double a) {
        if (a < t.attack) return a / t.attack;
        const double after = a - t.attack;
        if (t.sustain == 0.0) return std::exp(-after / t.decay);
        return t.sustain + (1.0 - t.sustain) * std::exp(-after * 4.0 / t.decay);
    };
    if (age < length) return held(age);
    const double released = (age - length) / t.release;
    return released >= 1.0 ? 0.0 : held(length) * (1.0 - released) * (1.0 - released);
}

void addNote(std::vector<double>& mix, const Note& note, double secondsPerBeat, int rate) {
    const Timbre t = timbreOf(note.voice);
    const double frequency = 440.0 * std::pow(2.0, (note.key - 69) / 12.0);
    const double length = note.beats * secondsPerBeat;
    const auto first =
        static_cast<std::size_t>(std::lround(note.startBeat * secondsPerBeat * rate));
    const auto count = static_cast<std::size_t>((length + t.release) * rate);
    double phase = 0.0;
    double chorusPhase = 0.0;
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double age = static_cast<double>(i) / rate;
        const double wobble = age > 0.25 ? t.vibrato * std::sin(kTwoPi * 5.2 * age) : 0.0;
        phase += kTwoPi * frequency * (1.0 + wobble) / rate;
        chorusPhase += kTwoPi * frequency * (1.0 + t.detune) / rate;
        double wave =
            std::sin(phase) + t.second * std::sin(2 * phase) + t.third * std::sin(3 * phase);
        if (t.detune > 0.0) wave = 0.5 * (wave + std::sin(chorusPhase));
        mix[first + i] += t.gain * note.loudness * envelope(t, age, length) * wave;
    }
}

}  // namespace

std::vector<double> renderScore(const Score& score, int sampleRate, double tailSeconds,
                                double peak) {
    const double secondsPerBeat = 60.0 / score.beatsPerMinute;
    const double seconds = score.lengthBeats * secondsPerBeat + tailSeconds;
    std::vector<double> mix(static_cast<std::size_t>(seconds * sampleRate), 0.0);
    for (const Note& note : score.notes) addNote(mix, note, secondsPerBeat, sampleRate);

    // An echo three quarters of a beat behind, fed back softly: a little room around the notes.
    const auto delay = static_cast<std::size_t>(0.75 * secondsPerBeat * sampleRate);
    for (std::size_t i = delay; i < mix.size(); ++i) mix[i] += 0.22 * mix[i - delay];

    double loudest = 0.0;
    for (double s : mix) loudest = std::max(loudest, std::abs(s));
    const double scale = loudest > 0.0 ? peak / loudest : 0.0;
    const auto fadeIn = static_cast<std::size_t>(0.005 * sampleRate);
    const auto fadeOut = static_cast<std::size_t>(std::min(1.5, tailSeconds) * sampleRate);
    for (std::size_t i = 0; i < mix.size(); ++i) {
        double gain = scale;
        if (i < fadeIn) gain *= static_cast<double>(i) / fadeIn;
        const std::size_t left = mix.size() - i;
        if (left < fadeOut) gain *= static_cast<double>(left) / fadeOut;
        mix[i] *= gain;
    }
    return mix;
}

}  // namespace glint::assets
