#pragma once

// The desktop's question on Windows: a modal dialog made in memory, with the question's icon and
// text, its check box where it has one, and its two buttons.

#include <windows.h>

#include <string>

#include "platform/desktop.h"

namespace glint::platform::win32 {

// Shows the question owned by the window (none: on its own, centred on the screen), with the
// title, and waits for the answer. The default button comes first and has the focus, so Enter
// chooses it; Escape and the close box choose the other one. Texts are UTF-8.
QuestionAnswer askQuestion(HWND owner, const std::string& title, const Question& question);

}  // namespace glint::platform::win32
