#pragma once

// What a single file holds of the show in the package folder: the player's four lists re-written
// in UTF-8 (the package folder's own lists hold the system's code page) and every picture and
// music file they name, once, stored as it is. The player program itself is not among them: each
// single file carries its own system's.

#include <stdexcept>
#include <string>
#include <vector>

#include "package/show_file.h"
#include "platform/files.h"

namespace glint::maker {

// The show cannot go into a single file as it stands: no build yet, a list that cannot be read, a
// named file the folder lacks, or a name a single file cannot hold. The message tells the user.
class ShowNotReady : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The entries for the show in packageFolder, the lists first. Throws ShowNotReady.
std::vector<package::ShowEntry> showEntries(platform::Files& files,
                                            const std::string& packageFolder);

}  // namespace glint::maker
