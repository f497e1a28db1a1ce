#pragma once

// What an installation takes from a built package: the player, the lists it reads and the media
// they name, all of them files directly in the package folder. The same on every system.

#include <stdexcept>
#include <string>
#include <vector>

#include "language/translate.h"

namespace glint::installer {

// The name a show without a caption goes by in menus and messages (tr() where shown).
inline constexpr const char* kUnnamedShow = language::N_("Glint 屏保");

// A package that cannot be installed, or an installation that failed. The message says what.
class InstallError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct InstallPlan {
    std::string caption;             // the package's corner caption, as UTF-8
    std::vector<std::string> files;  // the names to copy from the package folder, each once
};

// Whether a name read from a list names a file in the package folder itself: not empty, not "."
// or "..", and without a separator or drive of any system ("/", "\", ":"), since a package made
// on one system is installed on another.
bool isPlainName(const std::string& name);

// Reads what the package folder holds and what of it must be copied. Throws InstallError when a
// file of the package is missing or a listed name is not a plain file name.
InstallPlan planInstall(const std::string& packageFolder);

}  // namespace glint::installer
