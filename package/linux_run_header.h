#pragma once

// The beginning of a Linux show file ("屏幕保护-Linux.run"): a POSIX shell script, so that the
// file runs both as ./FILE and as sh FILE (the execute bit is lost by mail, browsers and most
// archive tools). It is exactly kRunHeaderSize bytes; the Linux installer follows it, then the
// show (see show_file.h). The script checks that the installer is whole (its size and its POSIX
// cksum), copies it into a folder of the user's own where programs may run (not /tmp, which may
// be mounted noexec), runs it with "--install-from FILE", removes the copy whatever happens, and
// ends with the installer's status. A file cut short or altered before the installer's end is
// reported there, in the user's terms, and nothing is installed.

#include <cstdint>
#include <string>

namespace glint::package {

inline constexpr std::size_t kRunHeaderSize = 4096;

// The argument with which the shell header starts the Linux installer on a show file.
inline constexpr const char* kInstallFromRequest = "--install-from";

// The POSIX cksum of bytes (what `cksum` prints first: its CRC with the length folded in).
std::uint32_t posixCksum(const std::string& bytes);
// The same for a file's bytes; throws FileError when it cannot be read.
std::uint32_t posixCksumOfFile(const std::string& path);

// The header for an installer of that size and cksum, padded to kRunHeaderSize bytes.
std::string linuxRunHeader(std::uint64_t installerSize, std::uint32_t installerCksum);

}  // namespace glint::package
