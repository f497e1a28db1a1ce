#pragma once

// Every path the programs use is the own folder (the folder of the running executable) followed
// directly by a literal that begins with a backslash, such as "\pb.dat" or "\pic\001_1.jpg".
// Paths are never joined or normalised otherwise.

#include <filesystem>
#include <string>
#include <string_view>

namespace glint::package {

// The native separator: where the literals say "\", this system uses it. The build says which:
// GLINT_BACKSLASH_PATHS for systems whose paths are written with backslashes.
#ifdef GLINT_BACKSLASH_PATHS
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// The path of a file named by these bytes, for the file functions of the standard library. Names
// inside the programs are UTF-8 where the system names files in wide characters, and the bytes
// the system gives elsewhere; either way they are taken as they stand, never re-encoded here.
std::filesystem::path filePath(std::string_view name);

// Own folder + literal, every backslash of the literal read as the native separator.
std::string ownFolderPath(std::string_view ownFolder, std::string_view literal);

// Own folder + separator + a name read from a list, the name taken as it stands.
std::string namedPath(std::string_view ownFolder, std::string_view name);

// The characters after the last native separator of a full path, extension included; the whole
// path when it has no separator.
std::string bareFileName(std::string_view fullPath);

}  // namespace glint::package
