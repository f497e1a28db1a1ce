#include "assets/sample/music_score.h"

#include <array>

namespace glint::assets {

namespace {

constexpr double kBeatsPerBar = 4.0;

struct Chord {
    double startBeat;
    double beats;
    int bass;                  // the root, about an octave below middle C
    std::array<int, 3> pad;    // the held chord, close to middle C
    std::array<int, 3> tones;  // root, third and fifth an octave above the bass
};

constexpr Chord chordC(double start, double beats) {
    return {start, beats, 48, {60, 64, 67}, {60, 64, 67}};
}
constexpr Chord chordAm(double start, double beats) {
    return {start, beats, 45, {57, 60, 64}, {57, 60, 64}};
}
constexpr Chord chordF(double start, double beats) {
    return {start, beats, 41, {57, 60, 65}, {53, 57, 60}};
}
constexpr Chord chordG(double start, double beats) {
    return {start, beats, 43, {55, 59, 62}, {55, 59, 62}};
}

void addChord(std::vector<Note>& notes, const Chord& chord, bool last) {
    notes.push_back({chord.startBeat, chord.beats, chord.bass, 1.0, Voice::Bass});
    for (int key : chord.pad) notes.push_back({chord.startBeat, chord.beats, key, 1.0, Voice::Pad});
    // Eighth notes rising through the chord and falling back; the last chord rises once and rings.
    const std::array<int, 8> pattern = {chord.tones[0] - 12, chord.tones[2] - 12, chord.tones[0],
                                        chord.tones[1],      chord.tones[2],      chord.tones[1],
                                        chord.tones[0],      chord.tones[2] - 12};
    const int steps = static_cast<int>(chord.beats * 2);
    for (int i = 0; i < steps; ++i) {
        if (last && i > 4) break;
        const double accent = i % 4 == 0 ? 1.0 : 0.7;
        const double beats = last && i == 4 ? chord.beats - 2.0 : 0.5;
        notes.push_back(
            {chord.startBeat + i * 0.5, beats, pattern[i % 8], accent, Voice::Arpeggio});
    }
}

void addMelody(std::vector<Note>& notes, double bar,
               std::initializer_list<std::pair<int, double>> keysAndBeats) {
    double beat = bar * kBeatsPerBar;
    for (const auto& [key, beats] : keysAndBeats) {
        notes.push_back({beat, beats * 0.95, key, beats >= 1.0 ? 1.0 : 0.85, Voice::Melody});
        beat += beats;
    }
}

}  // namespace

Score sampleTune() {
    Score score{84.0, 9 * kBeatsPerBar, {}};
    auto& n = score.notes;
    const auto bar = [](double b) { return b * kBeatsPerBar; };
    addChord(n, chordC(bar(0), 4), false);
    addChord(n, chordC(bar(1), 4), false);
    addChord(n, chordAm(bar(2), 4), false);
    addChord(n, chordF(bar(3), 4), false);
    addChord(n, chordG(bar(4), 4), false);
    addChord(n, chordC(bar(5), 4), false);
    addChord(n, chordAm(bar(6), 4), false);
    addChord(n, chordF(bar(7), 2), false);
    addChord(n, chordG(bar(7) + 2, 2), false);
    addChord(n, chordC(bar(8), 4), true);

    addMelody(n, 1, {{67, 1}, {72, 1}, {76, 1}, {74, 0.5}, {72, 0.5}});
    addMelody(n, 2, {{76, 1.5}, {74, 0.5}, {72, 1}, {69, 1}});
    addMelody(n, 3, {{69, 1}, {72, 1}, {77, 1}, {76, 0.5}, {74, 0.5}});
    addMelody(n, 4, {{74, 2}, {71, 1}, {67, 1}});
    addMelody(n, 5, {{67, 1}, {72, 1}, {76, 1}, {79, 1}});
    addMelody(n, 6, {{81, 1.5}, {79, 0.5}, {76, 1}, {72, 1}});
    addMelody(n, 7, {{77, 1}, {81, 0.5}, {79, 0.5}, {74, 1.5}, {71, 0.5}});
    addMelody(n, 8, {{72, 4}});
    return score;
}

}  // namespace glint::assets
