#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace glint::language {

// A catalog as msgfmt compiles it (a GNU .mo file, little-endian, as msgfmt writes it on every
// machine we build on), read in place: every offset and length is checked against its size, and a
// catalog that fails a check translates nothing.
class MoCatalog {
public:
    explicit MoCatalog(std::span<const unsigned char> bytes);

    bool valid() const { return m_count > 0; }
    // The translation of the source text, or null where the catalog has none.
    const char* find(std::string_view source) const;

private:
    std::string_view stringAt(std::size_t table, std::size_t index) const;

    std::span<const unsigned char> m_bytes;
    std::size_t m_count = 0;
    std::size_t m_sources = 0;
    std::size_t m_translations = 0;
};

}  // namespace glint::language
