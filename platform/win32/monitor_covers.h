#pragma once

#include <windows.h>

#include <vector>

namespace glint::platform::win32 {

class FormWindow;

// Every monitor but the primary one, where the show is, covered by a black window above
// everything for as long as the show runs, the pointer hidden over it. Whatever the user does
// over a cover goes to the show's window as input over the show, at the same place of the
// desktop.
class MonitorCovers {
public:
    explicit MonitorCovers(FormWindow& show);
    ~MonitorCovers();
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;

    // Covers the monitors there are now, each other monitor's cover gone: after every change of
    // the display (a monitor added or removed, a resolution changed).
    void coverMonitors();
    // Covers these areas of the desktop, in its pixels, and no others.
    void cover(const std::vector<RECT>& areas);

    const std::vector<HWND>& windows() const { return m_covers; }

private:
    static LRESULT CALLBACK coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND cover, UINT message, WPARAM wParam, LPARAM lParam);
    void removeCovers();

    FormWindow& m_show;
    std::vector<HWND> m_covers;
};

}  // namespace glint::platform::win32
