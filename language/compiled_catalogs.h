#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace glint::language {

// A catalog msgfmt compiled from po/CODE.po at build time, embedded in the program.
struct CompiledCatalog {
    std::string_view code;
    std::span<const unsigned char> bytes;
};

// Every compiled-in catalog (written by the build: cmake/embed_catalogs.cmake).
const std::vector<CompiledCatalog>& compiledCatalogs();

}  // namespace glint::language
