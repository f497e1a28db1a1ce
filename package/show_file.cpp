#include "package/show_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "language/translate.h"
#include "package/file_error.h"
#include "package/new_file.h"
#include "package/paths.h"
#include "package/show_names.h"

namespace glint::package {
namespace {

using language::trf;

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
constexpr std::string_view kMagic("GLINTSHOW1\0\0\0\0\0\0", 16);
constexpr std::uint64_t kIndexEntryFixedSize = 2 + 8 + 8 + 4;
// Far more than any show needs (some 200 000 files with long names), and memory a 32-bit
// installer can always allocate.
constexpr std::uint64_t kMaxIndexSize = std::uint64_t{64} << 20;
constexpr std::size_t kTrailerUsedSize = 16 + 8 + 8 + 8 + 4 + 4;

struct Trailer {
    std::uint64_t stubSize = 0;
    std::uint64_t indexOffset = 0;
    std::uint64_t indexSize = 0;
    std::uint64_t fileCount = 0;
    std::uint64_t crc = 0;
};

ShowFileError damagedFile(const std::string& path) {
    return ShowFileError(trf("文件已损坏或不完整，请重新下载或重新复制一份：%1", {path}));
}

ShowFileError unsafeName(const std::string& name) {
    return ShowFileError(
        trf("文件里有不安全的文件名，没有安装任何东西：%1", {printableName(name)}));
}

void putLittleEndian(std::string& out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

// Little-endian fields one after another, never read past the end of the bytes.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}
    bool number(std::uint64_t& value, std::size_t size) {
        if (m_bytes.size() < size) return false;
        value = 0;
        for (std::size_t i = size; i-- > 0;)
            value = value << 8 | static_cast<unsigned char>(m_bytes[i]);
        m_bytes.remove_prefix(size);
        return true;
    }
    bool text(std::string& value, std::uint64_t size) {
        if (m_bytes.size() < size) return false;
        value.assign(m_bytes.substr(0, size));
        m_bytes.remove_prefix(size);
        return true;
    }
    std::size_t left() const { return m_bytes.size(); }

private:
    std::string_view m_bytes;
};

std::string encodeTrailer(const Trailer& trailer) {
    std::string bytes(kMagic);
    putLittleEndian(bytes, trailer.stubSize, 8);
    putLittleEndian(bytes, trailer.indexOffset, 8);
    putLittleEndian(bytes, trailer.indexSize, 8);
    putLittleEndian(bytes, trailer.fileCount, 4);
    putLittleEndian(bytes, trailer.crc, 4);
    bytes.resize(kShowTrailerSize, '\0');
    return bytes;
}

std::optional<Trailer> decodeTrailer(std::string_view bytes) {
    if (bytes.substr(0, kMagic.size()) != kMagic ||
        bytes.find_first_not_of('\0', kTrailerUsedSize) != std::string_view::npos) {
        return std::nullopt;
    }
    FieldReader fields(bytes.substr(kMagic.size()));
    Trailer trailer;
    fields.number(trailer.stubSize, 8);
    fields.number(trailer.indexOffset, 8);
    fields.number(trailer.indexSize, 8);
    fields.number(trailer.fileCount, 4);
    fields.number(trailer.crc, 4);
    return trailer;
}

// The stored files as the index lists them, each right after the one before, the first at the
// stub's end and the last ending where the index begins; nothing when the index says otherwise.
std::optional<std::vector<StoredFile>> decodeIndex(std::string_view index, const Trailer& trailer) {
    FieldReader fields(index);
    std::vector<StoredFile> files(trailer.fileCount);
    std::uint64_t next = trailer.stubSize;
    for (StoredFile& file : files) {
        std::uint64_t nameSize = 0;
        std::uint64_t crc = 0;
        if (!fields.number(nameSize, 2) || !fields.text(file.name, nameSize) ||
            !fields.number(file.offset, 8) || !fields.number(file.size, 8) ||
            !fields.number(crc, 4)) {
            return std::nullopt;
        }
        if (file.offset != next || file.size > trailer.indexOffset - next) return std::nullopt;
        file.crc = static_cast<std::uint32_t>(crc);
        next += file.size;
    }
    if (fields.left() != 0 || next != trailer.indexOffset) return std::nullopt;
    return files;
}

std::ifstream openForReading(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(filePath(path), error);
    if (status.type() == std::filesystem::file_type::not_found) {
        throw FileError("File not found", path);
    }
    if (error) throw FileError("Cannot read file", path);
    if (status.type() != std::filesystem::file_type::regular) throw FileError("Not a file", path);
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) throw FileError("Cannot read file", path);
    return in;
}

// A buffer for copying up to size bytes a block at a time: small files get a small one.
std::vector<char> blockBuffer(std::uint64_t size) {
    return std::vector<char>(
        static_cast<std::size_t>(std::clamp<std::uint64_t>(size, 1, kBlockSize)));
}

std::uint64_t largestFile(const ShowFileIndex& index) {
    std::uint64_t largest = 0;
    for (const StoredFile& file : index.files) largest = std::max(largest, file.size);
    return largest;
}

// Passes up to limit bytes of in to sink a block at a time, continuing *crc over them when it
// is given; returns how many there were (fewer where in ends or fails: in.bad() tells which).
template <typename Sink>
std::uint64_t copyBlocks(std::istream& in, std::uint64_t limit, std::vector<char>& buffer,
                         std::uint32_t* crc, Sink&& sink) {
    std::uint64_t copied = 0;
    while (copied < limit) {
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), limit - copied));
        in.read(buffer.data(), static_cast<std::streamsize>(wanted));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (crc) *crc = crc32(*crc, buffer.data(), got);
        sink(buffer.data(), got);
        copied += got;
        if (got < wanted) break;
    }
    return copied;
}

struct Stored {
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
};

Stored storeEntry(const ShowEntry& entry, ReplacingFile& out, std::vector<char>& buffer) {
    if (entry.bytes) {
        out.write(entry.bytes->data(), entry.bytes->size());
        return {entry.bytes->size(), crc32(0, entry.bytes->data(), entry.bytes->size())};
    }
    std::ifstream in = openForReading(entry.sourcePath);
    Stored stored;
    stored.size = copyBlocks(in, UINT64_MAX, buffer, &stored.crc,
                             [&](const char* data, std::size_t size) { out.write(data, size); });
    if (in.bad()) throw FileError("Cannot read file", entry.sourcePath);
    return stored;
}

void checkStorableNames(const std::vector<ShowEntry>& entries) {
    std::unordered_set<std::string> seen;
    for (const ShowEntry& entry : entries) {
        if (!isStorableName(entry.name)) {
            throw ShowFileError(trf("这个文件名在 Windows 上不能用，不能放进分享的文件：%1",
                                    {printableName(entry.name)}));
        }
        if (!seen.insert(sameFileKey(entry.name)).second) {
            throw ShowFileError(trf("两个文件同名（不分大小写），不能放进同一个分享的文件：%1",
                                    {printableName(entry.name)}));
        }
    }
}

}  // namespace

void writeShowFile(const std::string& outPath, const std::vector<ShowEntry>& stub,
                   const std::vector<ShowEntry>& entries) {
    checkStorableNames(entries);
    // The show file is a program to run (on Linux, the .run file itself).
    ReplacingFile out(outPath, true);
    std::vector<char> buffer(kBlockSize);
    Trailer trailer;
    std::uint64_t written = 0;
    std::uint32_t crc = 0;
    for (const ShowEntry& part : stub) {
        const Stored stored = storeEntry(part, out, buffer);
        crc = crc32Combine(crc, stored.crc, stored.size);
        written += stored.size;
    }
    trailer.stubSize = written;
    std::string index;
    for (const ShowEntry& entry : entries) {
        const Stored stored = storeEntry(entry, out, buffer);
        putLittleEndian(index, entry.name.size(), 2);
        index += entry.name;
        putLittleEndian(index, written, 8);
        putLittleEndian(index, stored.size, 8);
        putLittleEndian(index, stored.crc, 4);
        crc = crc32Combine(crc, stored.crc, stored.size);
        written += stored.size;
    }
    out.write(index.data(), index.size());
    trailer.indexOffset = written;
    trailer.indexSize = index.size();
    trailer.fileCount = entries.size();
    trailer.crc = crc32(crc, index.data(), index.size());
    const std::string trailerBytes = encodeTrailer(trailer);
    out.write(trailerBytes.data(), trailerBytes.size());
    out.commit();
}

ShowFileIndex readShowFile(const std::string& path) {
    std::ifstream in = openForReading(path);
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (end < 0) throw FileError("Cannot read file", path);
    const auto fileSize = static_cast<std::uint64_t>(end);
    if (fileSize < kShowTrailerSize) throw damagedFile(path);
    const std::uint64_t indexEnd = fileSize - kShowTrailerSize;

    std::string bytes(kShowTrailerSize, '\0');
    in.seekg(static_cast<std::streamoff>(indexEnd));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) throw damagedFile(path);
    const std::optional<Trailer> trailer = decodeTrailer(bytes);
    // Every size is checked against the file's before anything is allocated for it.
    if (!trailer || trailer->indexSize > indexEnd ||
        trailer->indexOffset != indexEnd - trailer->indexSize ||
        trailer->stubSize > trailer->indexOffset || trailer->indexSize > kMaxIndexSize ||
        trailer->fileCount > trailer->indexSize / kIndexEntryFixedSize) {
        throw damagedFile(path);
    }
    bytes.assign(static_cast<std::size_t>(trailer->indexSize), '\0');
    in.seekg(static_cast<std::streamoff>(trailer->indexOffset));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) throw damagedFile(path);
    std::optional<std::vector<StoredFile>> files = decodeIndex(bytes, *trailer);
    if (!files) throw damagedFile(path);

    // One pass gives each stored file's CRC-32 and, combined, the whole file's: a file that
    // passes here extracts as it is stored.
    std::vector<char> buffer = blockBuffer(indexEnd);
    in.seekg(0);
    auto crcOfNext = [&](std::uint64_t size) {
        std::uint32_t crc = 0;
        const std::uint64_t got =
            copyBlocks(in, size, buffer, &crc, [](const char*, std::size_t) {});
        if (in.bad()) throw FileError("Cannot read file", path);
        if (got != size) throw damagedFile(path);
        return crc;
    };
    std::uint32_t crc = crcOfNext(trailer->stubSize);
    bool filesWhole = true;
    for (const StoredFile& file : *files) {
        const std::uint32_t fileCrc = crcOfNext(file.size);
        filesWhole = filesWhole && fileCrc == file.crc;
        crc = crc32Combine(crc, fileCrc, file.size);
    }
    crc = crc32(crc, bytes.data(), bytes.size());
    if (!filesWhole || crc != trailer->crc) throw damagedFile(path);

    // Names are judged only in a file known whole: a damaged file is reported as damaged.
    std::unordered_set<std::string> seen;
    for (const StoredFile& file : *files) {
        if (!isStorableName(file.name) || !seen.insert(sameFileKey(file.name)).second) {
            throw unsafeName(file.name);
        }
    }
    return {trailer->stubSize, std::move(*files)};
}

void extractShowFile(const std::string& path, const ShowFileIndex& index,
                     const std::string& folder) {
    std::ifstream in = openForReading(path);
    std::vector<char> buffer = blockBuffer(largestFile(index));
    std::vector<std::string> written;
    try {
        for (const StoredFile& file : index.files) {
            if (!isStorableName(file.name)) throw unsafeName(file.name);
            const std::string target = namedPath(folder, file.name);
            NewFile out;
            switch (out.create(target, false)) {
                case NewFile::Opened::Yes:
                    break;
                case NewFile::Opened::Exists:
                    throw FileError("File already exists", target);
                case NewFile::Opened::Failed:
                    throw FileError("Cannot write file", target);
            }
            written.push_back(target);
            in.clear();
            in.seekg(static_cast<std::streamoff>(std::min<std::uint64_t>(file.offset, INT64_MAX)));
            std::uint32_t crc = 0;
            const std::uint64_t copied =
                copyBlocks(in, file.size, buffer, &crc, [&](const char* data, std::size_t size) {
                    if (!out.write(data, size)) throw FileError("Cannot write file", target);
                });
            if (in.bad()) throw FileError("Cannot read file", path);
            if (copied != file.size || crc != file.crc) throw damagedFile(path);
            if (!out.finish(false)) throw FileError("Cannot write file", target);
        }
    } catch (...) {
        // Each file is closed by now (it belonged to the loop), so it can go on every system.
        std::error_code ignored;
        for (const std::string& target : written)
            std::filesystem::remove(filePath(target), ignored);
        throw;
    }
}

void copyStub(const std::string& path, std::uint64_t size, const std::string& outPath) {
    std::ifstream in = openForReading(path);
    ReplacingFile out(outPath, true);
    std::vector<char> buffer = blockBuffer(size);
    const std::uint64_t copied = copyBlocks(
        in, size, buffer, nullptr, [&](const char* data, std::size_t n) { out.write(data, n); });
    if (in.bad()) throw FileError("Cannot read file", path);
    if (copied != size) throw damagedFile(path);
    out.commit();
}

}  // namespace glint::package
