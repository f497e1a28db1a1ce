#include "maker/package_names.h"

#include <stdexcept>

#include "package/paths.h"

namespace glint::maker {
namespace {

// The package's own files: a chosen file never takes their place.
constexpr const char* kReserved[] = {"dsi.ini", "mus_dsi.ini", "pb.dat",   "ms.dat",
                                     "kg.ini",  "timu.dat",    "pb.cc",    "setup.exe"};

bool reserved(const std::string& name) {
    for (const char* own : kReserved) {
        if (name == own) return true;
    }
    return false;
}

std::string numbered(const std::string& name, int number) {
    const std::size_t dot = name.rfind('.');
    const std::string suffix = " (" + std::to_string(number) + ")";
    if (dot == std::string::npos || dot == 0) return name + suffix;
    return name.substr(0, dot) + suffix + name.substr(dot);
}

}  // namespace

PackageNames::PackageNames() {
    for (const char* name : kReserved) m_sourceOf[name] = "";
}

std::string PackageNames::nameFor(const std::string& fullPath) {
    if (fullPath.find(package::kSeparator) == std::string::npos) {
        throw std::invalid_argument("No folder in path: " + fullPath);
    }
    const std::string bare = package::bareFileName(fullPath);
    if (bare.empty() || bare == "." || bare == "..") {
        throw std::invalid_argument("No file name in path: " + fullPath);
    }
    std::string name = bare;
    for (int number = 2;; ++number) {
        const auto taken = m_sourceOf.find(name);
        if (taken == m_sourceOf.end()) break;
        if (taken->second == fullPath) return name;
        name = numbered(bare, number);
    }
    m_sourceOf[name] = fullPath;
    return name;
}

std::string fittedCopyName(const std::string& chosenPath,
                           const std::function<bool(const std::string& name)>& taken) {
    const std::string bare = package::bareFileName(chosenPath);
    const std::size_t dot = bare.rfind('.');
    const std::string name =
        (dot == std::string::npos || dot == 0 ? bare : bare.substr(0, dot)) + ".jpg";
    std::string candidate = name;
    for (int number = 2; reserved(candidate) || taken(candidate); ++number) {
        candidate = numbered(name, number);
    }
    return candidate;
}

}  // namespace glint::maker
