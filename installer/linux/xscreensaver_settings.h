#pragma once

// The show in XScreenSaver's settings file (~/.xscreensaver): an entry of its "programs:" list,
// chosen as the one display mode ("mode: one", "selected:" the entry's place in the list), the
// way xscreensaver-settings chooses one. Only the lines of that entry, of "mode:" and of
// "selected:" change; every other line stays as it is, byte for byte.
//
// The list is one resource over many lines: each line but the last ends with a backslash, and
// "\n" separates the entries. An entry reads [-] [visual:] ["Name"] command; entries that are
// blank are not counted.

#include <optional>
#include <string>

namespace glint::installer {

struct ShowEntry {
    std::string name;      // shown in xscreensaver-settings
    std::string launcher;  // the program XScreenSaver starts, an absolute path
};

// The settings text with the show as the one display mode: its entry added to the list, or an
// entry already there for the same show (the same launcher, or another of our launchers under
// the same name) made to start this launcher. No text (no file yet) gives a file of its own.
std::string selectShow(const std::optional<std::string>& settings, const ShowEntry& show);

// The settings text without the entry that starts this launcher, nothing when it has none. When
// the show was the selected mode, XScreenSaver blanks the screen from then on ("mode: blank",
// "selected: -1"); a selected entry after it keeps its place number right. A list left with no
// entry is taken out, and XScreenSaver's own list counts again.
std::optional<std::string> withdrawShow(const std::string& settings, const std::string& launcher);

// The name as an entry can hold it: no quote, backslash or control character; never empty.
std::string entryName(const std::string& caption);

}  // namespace glint::installer
