#pragma once

// The sample show's tune as notes: what is played when, independent of how it sounds.

#include <vector>

namespace glint::assets {

enum class Voice { Melody, Pad, Arpeggio, Bass };

struct Note {
    double startBeat;
    double beats;
    int key;          // MIDI key number: 60 is middle C, 69 is A at 440 Hz
    double loudness;  // 0..1, relative within the voice
    Voice voice;
};

struct Score {
    double beatsPerMinute;
    double lengthBeats;  // the last note ends here; the sound may ring on after it
    std::vector<Note> notes;
};

// A gentle tune in C major, four beats to the bar: one bar of arpeggio to open, eight bars of
// melody over chords and bass. About 26 seconds.
Score sampleTune();

}  // namespace glint::assets
