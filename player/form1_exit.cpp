// The input that ends the show. Who shows the pointer again and who halts the music first
// differs from handler to handler; movement over the picture box is ignored.

#include "player/form1.h"

namespace glint::player {

void Form1::endShow(bool showCursor, bool stopMusic) {
    if (showCursor) m_services.cursor.showCursor(true);
    if (stopMusic) MediaPlayer1.stop();
    m_services.process.endProgram();
}

void Form1::Form_Click() { endShow(true, true); }

void Form1::Form_DblClick() { endShow(true, true); }

void Form1::Form_KeyDown(const platform::KeyEvent&) { endShow(true, true); }

void Form1::Form_MouseMove(const platform::MouseEvent& event) {
    if (m_mouseThreshold.isRealMovement(event.x, event.y)) endShow(true, false);
}

void Form1::Picture1_Click() { endShow(true, false); }

void Form1::Picture1_KeyDown(const platform::KeyEvent&) { endShow(false, false); }

}  // namespace glint::player
