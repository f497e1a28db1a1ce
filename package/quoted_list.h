#pragma once

// The package folder's one line format: a double quote, the text, a double quote, CR LF.
// Texts are stored in the system's code page (see list_text.h); nothing is escaped. A reader strips
// exactly the first and the last character of every line, so it gets back what a writer wrote.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glint::package {

// Opens the file for appending (creating it when missing), writes one quoted line, closes it.
// Throws FileError when the file cannot be opened (for instance when its folder is missing) or
// is something other than a regular file (a folder, a pipe, a device); nothing is written then.
void appendQuotedLine(const std::string& path, const std::string& text);

// The texts of all lines in file order. A final line without CR LF still counts.
// Throws FileError naming the file when it is missing, is not a regular file, or cannot be
// opened or read, and ListFormatError for a line shorter than two characters.
std::vector<std::string> readQuotedTexts(const std::string& path);

// One line's text and the number of lines, from one reading of the file that checks every line
// as readQuotedTexts does; text is empty when the file has no line of that number (counted from
// 1). Throws as readQuotedTexts.
struct QuotedLine {
    std::int64_t count = 0;
    std::optional<std::string> text;
};
QuotedLine readQuotedLine(const std::string& path, std::int64_t number);

// The text of the last line, or an empty text for an empty file. Throws as readQuotedTexts.
std::string lastQuotedText(const std::string& path);

// The number of lines in the file, counted as readQuotedTexts counts them. Throws FileError.
std::int64_t countLines(const std::string& path);

}  // namespace glint::package
