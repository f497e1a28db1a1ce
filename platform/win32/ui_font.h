#pragma once

// The fonts of the program's windows: the default one, in which labels, frames and buttons show
// their captions and labels are measured, and a text box's own font.

#include <windows.h>

#include "platform/text_box.h"

namespace glint::platform::win32 {

// A font the holder deletes when it goes.
class Font {
public:
    explicit Font(HFONT handle) : m_handle(handle) {}
    ~Font();
    Font(Font&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    Font& operator=(Font&& other) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT handle() const { return m_handle; }

private:
    HFONT m_handle;
};

// A Chinese desktop's font at 9 points, the first of a few that is installed (Chinese desktops
// have the first), or the system's message font when none is.
Font defaultFont();

// The font asked for, or, when its family is not installed, the default font's family at the
// size asked for; the default size when none is asked for.
Font fontFor(const FontSpec& asked);

}  // namespace glint::platform::win32
