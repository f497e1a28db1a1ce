#pragma once

// A show in one file, to give away: a program that installs it (the stub: on Windows the
// installer itself, on Linux a shell header and the installer), then the show's files stored as
// they are, then an index and a trailer. The same format is written and read on every system.
//
//   [stub][file 1]...[file n][index][trailer, kShowTrailerSize bytes]
//
// The trailer (little-endian): the magic "GLINTSHOW1" padded with zeros to 16 bytes, the stub's
// size (u64, where file 1 begins), the index's offset and size (u64 each), the number of files
// (u32), and the CRC-32 (zlib's) of every byte before the trailer (u32); zeros to its end. The
// index: for each file, its name's length (u16), the name (UTF-8, a plain file name), its offset
// and size (u64 each) and its bytes' CRC-32 (u32).
//
// Names are UTF-8 and plain file names: not empty, no "/" or "\", not "." or "..", no control
// character, no ":" and no character Windows refuses in a name, at most 255 bytes, each once
// (compared without regard to ASCII case, as Windows compares them). Nor a name Windows would
// take for another: one ending in a dot or a space, or a device's name (CON, PRN, AUX, NUL,
// COM0 to COM9, LPT0 to LPT9, CONIN$, CONOUT$) with or without an extension. The lists (pb.dat,
// ms.dat, timu.dat) inside are UTF-8 too; an installer writes them in its system's own encoding.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace glint::package {

inline constexpr std::size_t kShowTrailerSize = 64;

// A file that is cut short, altered or not a show file at all, or that names a file outside the
// show's folder. The message says so in the user's terms (damaged or incomplete: fetch it again).
class ShowFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One file to store: its name in the show, and its bytes from a file or given here.
struct ShowEntry {
    std::string name;
    std::string sourcePath;           // read from this file when bytes is empty
    std::optional<std::string> bytes;  // or these bytes
};

// Where a stored file lies in a show file.
struct StoredFile {
    std::string name;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
};

struct ShowFileIndex {
    std::uint64_t stubSize = 0;
    std::vector<StoredFile> files;
};

// Whether a name may be stored in (and extracted from) a show file: see above.
bool isStorableName(const std::string& name);

// CRC-32 as zlib computes it, continued from crc (0 to start).
std::uint32_t crc32(std::uint32_t crc, const void* data, std::size_t size);
// The CRC-32 of two runs of bytes one after the other, from each run's CRC-32 and the second's
// size (zlib's crc32_combine).
std::uint32_t crc32Combine(std::uint32_t first, std::uint32_t second, std::uint64_t secondSize);

// Writes the show file at outPath: the stub's parts one after another (each a file's bytes or
// given bytes), then the entries, the index and the trailer. Written under a temporary name beside
// outPath, synced and renamed into place, so a failure leaves nothing at outPath (an earlier file
// there stays whole). Throws FileError naming the file that could not be read or written, and
// ShowFileError for a name that cannot be stored.
void writeShowFile(const std::string& outPath, const std::vector<ShowEntry>& stub,
                   const std::vector<ShowEntry>& entries);

// Reads and checks the whole file: trailer, index, every name, every range inside the file, and
// the CRC-32 of all bytes before the trailer and of each stored file (so what it accepts extracts
// as stored); an index over 64 MiB is refused, and nothing is allocated beyond the sizes the file
// holds. Throws ShowFileError when any of that fails, FileError when the file cannot be opened.
ShowFileIndex readShowFile(const std::string& path);

// Writes every stored file into folder (which exists), each checked against its CRC-32 as it is
// written. On any failure (a damaged file, a full disk, a folder that cannot be written) removes
// every file it wrote and throws (ShowFileError or FileError, naming the cause).
void extractShowFile(const std::string& path, const ShowFileIndex& index,
                     const std::string& folder);

// Copies the first size bytes of the file at path (a show file's stub: the installer without
// the show) to outPath, through a temporary file renamed into place.
void copyStub(const std::string& path, std::uint64_t size, const std::string& outPath);

}  // namespace glint::package
