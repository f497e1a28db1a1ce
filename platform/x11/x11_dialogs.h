#pragma once

// Small modal dialogs of our own on X11, for the programs that travel inside a package (the
// player's error report, the installer's questions and messages). Each opens its own connection
// to the display named by DISPLAY and returns when the user has answered. Texts are UTF-8 and
// drawn with Xft and fontconfig (CJK where the system has such a font); lines break at "\n" and
// long lines wrap to the dialog's width. Return presses the default button, Escape the other one
// (for a message box: OK). Without a display (DISPLAY unset or unreachable) nothing is shown:
// a message box returns at once, a question answers its default, a number its initial value.

#include <optional>
#include <string>

namespace glint::platform::x11 {

enum class MessageKind { Information, Warning, Error };

// A message with one OK button.
void messageBox(const std::string& title, const std::string& text,
                MessageKind kind = MessageKind::Information);

// A question with "是" / "否" buttons (Yes / No in English, Y and N pressing them in either);
// Return answers byDefault. True for yes.
bool askYesNo(const std::string& title, const std::string& question, bool byDefault);

// A whole number between minimum and maximum, asked with a text field holding initial and
// "确定" / "取消" buttons; nullopt when the user cancels (Escape, the window closed).
std::optional<int> askNumber(const std::string& title, const std::string& question, int initial,
                             int minimum, int maximum);

}  // namespace glint::platform::x11
