#pragma once

// Every path the programs use is the own folder (the folder of the running executable) followed
// directly by a literal that begins with a backslash, such as "\pb.dat" or "\pic\001_1.jpg".
// Paths are never joined or normalised otherwise.

#include <string>
#include <string_view>

namespace glint::package {

// The native separator: where the literals say "\", this system uses it.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// Own folder + literal, every backslash of the literal read as the native separator.
std::string ownFolderPath(std::string_view ownFolder, std::string_view literal);

// Own folder + separator + a name read from a list, the name taken as it stands.
std::string namedPath(std::string_view ownFolder, std::string_view name);

// The characters after the last native separator of a full path, extension included; the whole
// path when it has no separator.
std::string bareFileName(std::string_view fullPath);

}  // namespace glint::package
