#pragma once

// The player window: a borderless full-screen window that shows the package's pictures one after
// another, each brought in by the next transition effect, while the music plays; input ends it.
// All state of the show lives in its controls, as the handlers read and write them.

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "player/effects/slide_ticks.h"
#include "player/effects/stage.h"
#include "player/mouse_move_threshold.h"

namespace glint::player {

class Form1 : public platform::Form {
public:
    explicit Form1(platform::Services& services);

    // Start-up: reads the package files, starts the music, places the caption and prepares the
    // first picture and effect.
    void Form_Load();

    // The cycle step: loads the next picture of "pb.dat" into Picture1 and advances the picture
    // counter (Label1) and the effect number (Label2).
    void diaowenjian();
    // dtime + 1 event passes, then the cycle step.
    void delay(std::int16_t& dtime);
    // Repaints the window and runs the effect whose number Label2 holds.
    void Timer1_Timer();

    // The handlers that end the show.
    void Form_Click();
    void Form_DblClick();
    void Form_KeyDown(const platform::KeyEvent& event);
    void Form_MouseMove(const platform::MouseEvent& event);
    void Picture1_Click();
    void Picture1_KeyDown(const platform::KeyEvent& event);

    platform::PictureBox Picture1;
    platform::Label Label1;  // picture counter: position in "pb.dat" of the picture loaded last
    platform::Label Label2;  // effect number the next tick of Timer1 runs, 0 to 13
    platform::Label Label3;  // the corner caption
    platform::Timer Timer1;
    platform::Timer Timermove7;
    platform::Timer Timermove8;
    platform::Timer Timermove9;
    platform::Timer Timermove10;
    platform::MediaPlayer& MediaPlayer1;

    effects::Stage& stage() { return m_stage; }

private:
    std::string ownPath(const char* literal) const;
    void endShow(bool showCursor, bool stopMusic);

    platform::Services& m_services;
    MouseMoveThreshold m_mouseThreshold;
    effects::Stage m_stage;
};

}  // namespace glint::player
