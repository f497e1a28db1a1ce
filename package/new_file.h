#pragma once

// Files the show file code writes: each made new, so nothing that was there before (a file of
// the user's, or a link leading elsewhere) is written through or replaced.

#include <cstddef>
#include <string>

namespace glint::package {

// A file created for writing only where no entry of that name exists (a link, even a broken
// one, counts as one).
class NewFile {
public:
    enum class Opened { Yes, Exists, Failed };

    NewFile() = default;
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // program: where files carry permissions, one that may be run (as the user's umask allows).
    Opened create(const std::string& path, bool program);
    bool write(const void* data, std::size_t size);
    // Synced to the disk where the system lets this code do so, then closed.
    bool finish(bool sync);

private:
    int m_descriptor = -1;
};

// A file written under a temporary name beside target and renamed over it once whole, so target
// is either as it was or whole. A failure throws FileError naming target; the temporary file is
// removed whenever the file is not committed.
class ReplacingFile {
public:
    ReplacingFile(const std::string& target, bool program);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(const void* data, std::size_t size);
    void commit();

private:
    [[noreturn]] void fail();

    std::string m_target;
    std::string m_temporary;
    NewFile m_file;
    bool m_committed = false;
};

}  // namespace glint::package
