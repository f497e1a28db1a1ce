// The list readers on any bytes a list file can hold. Each reading either gives texts that agree
// with each other and write back to the same file, or fails with a FileError or ListFormatError;
// anything else (a crash, another exception, a disagreement) is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "package/file_error.h"
#include "package/quoted_list.h"
#include "tests/support/temp_folder.h"

namespace {

void check(bool holds) {
    if (!holds) std::abort();
}

void readBack(const glint::testing::TempFolder& folder, const std::string& bytes) {
    namespace package = glint::package;
    folder.write("list.dat", bytes);
    const std::string path = folder.file("list.dat");
    const std::int64_t count = package::countLines(path);
    std::vector<std::string> texts;
    try {
        texts = package::readQuotedTexts(path);
    } catch (const package::ListFormatError&) {
        return;
    }
    check(static_cast<std::int64_t>(texts.size()) == count);
    check(package::lastQuotedText(path) == (texts.empty() ? std::string() : texts.back()));
    // What was read writes back line for line and reads back byte for byte.
    folder.write("copy.dat", "");
    for (const std::string& text : texts) {
        check(text.find_first_of("\r\n") == std::string::npos);
        package::appendQuotedLine(folder.file("copy.dat"), text);
    }
    check(package::readQuotedTexts(folder.file("copy.dat")) == texts);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const glint::testing::TempFolder folder;
    readBack(folder, std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
