#pragma once

// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <filesystem>
#include <fstream>
#include <string>

namespace glint::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    // The path of a file in the folder, joined with the system's separator as the programs join it.
    std::string file(const std::string& name) const;

    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    static std::string readFile(const std::string& path);

private:
    std::string m_path;
};

}  // namespace glint::testing
