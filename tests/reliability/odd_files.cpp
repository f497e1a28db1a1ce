#include "tests/reliability/odd_files.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace glint::reliability {

void makePipe(const std::string& path) {
    if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("cannot make a pipe " + path);
}

void makeLinkLoop(const std::string& path) {
    std::filesystem::create_symlink(path + "~", path);
    std::filesystem::create_symlink(path, path + "~");
}

bool revokeReading(const std::string& path) {
    std::filesystem::permissions(path, std::filesystem::perms::none);
    return !std::ifstream(path).is_open();
}

}  // namespace glint::reliability
