#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace glint::package {

// A package file that could not be opened, read or written. The message names the file.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& what, const std::string& path)
        : std::runtime_error(what + ": " + path), m_path(path) {}
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// A list line too short to hold the two quotes around its text.
class ListFormatError : public std::runtime_error {
public:
    ListFormatError(const std::string& path, std::int64_t lineNumber)
        : std::runtime_error("Invalid list line " + std::to_string(lineNumber) +
                             " (shorter than two characters): " + path) {}
};

}  // namespace glint::package
