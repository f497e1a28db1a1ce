#include "package/quoted_list.h"

#include <filesystem>
#include <fstream>

#include "package/file_error.h"
#include "package/list_text.h"
#include "package/paths.h"

namespace glint::package {
namespace {

namespace fs = std::filesystem;

// Only a regular file is opened: a pipe would wait for a writer for ever and a device may never
// end. A read that fails surfaces from the stream library as an exception that names no file.
std::string readWholeFile(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(filePath(path), error);
    if (status.type() == fs::file_type::not_found) throw FileError("File not found", path);
    if (error) throw FileError("Cannot open file", path);
    if (!fs::is_regular_file(status)) throw FileError("Not a file", path);
    std::ifstream in(filePath(path), std::ios::binary);
    if (!in) throw FileError("Cannot open file", path);
    try {
        // In blocks: a list of a hundred thousand pictures is megabytes, read at every step.
        std::string bytes;
        char block[1 << 16];
        while (in.read(block, sizeof block) || in.gcount() > 0) {
            bytes.append(block, static_cast<std::size_t>(in.gcount()));
        }
        if (in.bad()) throw FileError("Cannot read file", path);
        return bytes;
    } catch (const std::ios_base::failure&) {
        throw FileError("Cannot read file", path);
    }
}

// Calls onLine(begin, length) for every line. A line ends at CR LF, a lone CR or a lone LF;
// a last line without an end still counts, an end at the very end of the file opens no new line.
template <typename OnLine>
void forEachLine(const std::string& bytes, OnLine onLine) {
    std::size_t start = 0;
    const std::size_t size = bytes.size();
    while (start < size) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            onLine(start, size - start);
            return;
        }
        onLine(start, end - start);
        start = end + 1;
        if (bytes[end] == '\r' && start < size && bytes[start] == '\n') ++start;
    }
}

}  // namespace

void appendQuotedLine(const std::string& path, const std::string& text) {
    std::string line;
    line.reserve(text.size() + 4);
    line += '"';
    line += toListText(text);
    line += "\"\r\n";
    // Appending to a pipe would wait for a reader for ever.
    std::error_code error;
    const fs::file_status status = fs::status(filePath(path), error);
    if (fs::exists(status) && !fs::is_regular_file(status)) throw FileError("Not a file", path);
    std::ofstream file(filePath(path), std::ios::binary | std::ios::app);
    if (!file) throw FileError("Cannot open file for appending", path);
    file.write(line.data(), static_cast<std::streamsize>(line.size()));
    file.flush();
    if (!file) throw FileError("Cannot write file", path);
}

std::vector<std::string> readQuotedTexts(const std::string& path) {
    const std::string bytes = readWholeFile(path);
    std::vector<std::string> texts;
    forEachLine(bytes, [&](std::size_t begin, std::size_t length) {
        if (length < 2) throw ListFormatError(path, static_cast<std::int64_t>(texts.size()) + 1);
        texts.push_back(fromListText(std::string(bytes, begin + 1, length - 2)));
    });
    return texts;
}

QuotedLine readQuotedLine(const std::string& path, std::int64_t number) {
    const std::string bytes = readWholeFile(path);
    QuotedLine line;
    forEachLine(bytes, [&](std::size_t begin, std::size_t length) {
        ++line.count;
        if (length < 2) throw ListFormatError(path, line.count);
        if (line.count == number)
            line.text = fromListText(std::string(bytes, begin + 1, length - 2));
    });
    return line;
}

std::string lastQuotedText(const std::string& path) {
    std::vector<std::string> texts = readQuotedTexts(path);
    return texts.empty() ? std::string() : std::move(texts.back());
}

std::int64_t countLines(const std::string& path) {
    const std::string bytes = readWholeFile(path);
    std::int64_t count = 0;
    forEachLine(bytes, [&](std::size_t, std::size_t) { ++count; });
    return count;
}

}  // namespace glint::package
