#pragma once

// The names a build stores the chosen files under in the package folder: each file's bare name,
// unless another chosen file already took it in this build, or it is one of the package's own
// files; then the first free "name (2).ext", "name (3).ext"... The same working lists give the
// same names at every build.

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

}  // namespace glint::maker
