#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <iterator>
#include <random>
#include <stdexcept>

#include "package/paths.h"

namespace glint::testing {

TempFolder::TempFolder() {
    std::random_device seed;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = base / ("glint-test-" + std::to_string(seed()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            const std::u8string name = candidate.u8string();
            m_path.assign(name.begin(), name.end());
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(glint::package::filePath(m_path), ignored);
}

std::string TempFolder::file(const std::string& name) const {
    return m_path + package::kSeparator + name;
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(glint::package::filePath(file(name)), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::read(const std::string& name) const {
    return readFile(file(name));
}

std::string TempFolder::readFile(const std::string& path) {
    std::ifstream in(glint::package::filePath(path), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace glint::testing
