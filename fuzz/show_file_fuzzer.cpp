// The show file's reader and extraction on any bytes: reading refuses them with a ShowFileError,
// or extraction writes exactly the stored files into an empty folder, as stored; a crash, another
// exception or a disagreement is a finding.

#include <cstdlib>
#include <filesystem>

#include "package/paths.h"
#include "package/show_file.h"
#include "tests/support/temp_folder.h"

namespace {

namespace package = glint::package;

void check(bool holds) {
    if (!holds) std::abort();
}

void readAndExtract(const glint::testing::TempFolder& work, const std::string& bytes) {
    work.write("show", bytes);
    const std::string out = work.file("out");
    std::filesystem::remove_all(package::filePath(out));
    std::filesystem::create_directory(package::filePath(out));
    package::ShowFileIndex index;
    try {
        index = package::readShowFile(work.file("show"));
    } catch (const package::ShowFileError&) {
        return;
    }
    package::extractShowFile(work.file("show"), index, out);
    for (const package::StoredFile& file : index.files) {
        check(glint::testing::TempFolder::readFile(package::namedPath(out, file.name)) ==
              bytes.substr(file.offset, file.size));
    }
    const auto written = std::filesystem::directory_iterator(package::filePath(out));
    check(static_cast<std::size_t>(std::distance(begin(written), end(written))) ==
          index.files.size());
}

std::uint64_t littleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint64_t value = 0;
    for (int i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The bytes with every CRC-32 the trailer and index hold made right where they can be found, so
// that the fuzzer reaches the checks of names and extraction behind them.
std::string withCrcsMended(std::string bytes) {
    if (bytes.size() < package::kShowTrailerSize) return bytes;
    auto putCrc = [&](std::size_t at, std::uint32_t crc) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(crc >> (8 * i));
    };
    const std::size_t indexEnd = bytes.size() - package::kShowTrailerSize;
    std::uint64_t at = littleEndian(bytes, indexEnd + 24, 8);
    for (std::uint64_t n = littleEndian(bytes, indexEnd + 40, 4);
         n > 0 && at <= indexEnd && indexEnd - at >= 2; --n) {
        const std::uint64_t fields = at + 2 + littleEndian(bytes, at, 2);
        if (fields > indexEnd || indexEnd - fields < 20) break;
        const std::uint64_t offset = littleEndian(bytes, fields, 8);
        const std::uint64_t size = littleEndian(bytes, fields + 8, 8);
        if (offset <= indexEnd && size <= indexEnd - offset) {
            putCrc(fields + 16, package::crc32(0, &bytes[offset], size));
        }
        at = fields + 20;
    }
    putCrc(indexEnd + 44, package::crc32(0, bytes.data(), indexEnd));
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const glint::testing::TempFolder work;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    readAndExtract(work, bytes);
    readAndExtract(work, withCrcsMended(bytes));
    return 0;
}
