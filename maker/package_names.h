#pragma once

// The names a build stores the chosen files under in the package folder: each file's bare name,
// unless another chosen file already took it in this build, or it is one of the package's own
// files; then the first free "name (2).ext", "name (3).ext"... The same working lists give the
// same names at every build.

#include <functional>
#include <map>
#include <string>

namespace glint::maker {

class PackageNames {
public:
    PackageNames();

    // The name for the file at this full path. The same path gets the same name again. Throws
    // std::invalid_argument when the path has no separator or its bare name is empty, "." or "..".
    std::string nameFor(const std::string& fullPath);

private:
    std::map<std::string, std::string> m_sourceOf;  // name -> the full path stored under it
};

// The name a JPEG copy of the chosen picture (fitted to the screen, or of a format the player
// cannot read) is stored under in the package folder: the chosen file's bare name with the
// extension ".jpg", or the first "name (2).jpg", "name (3).jpg"... that is free: not one of the
// package's own files and not taken, as the caller says.
std::string fittedCopyName(const std::string& chosenPath,
                           const std::function<bool(const std::string& name)>& taken);

}  // namespace glint::maker
