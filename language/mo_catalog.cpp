#include "language/mo_catalog.h"

#include <cstdint>

namespace glint::language {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;

std::uint32_t wordAt(std::span<const unsigned char> bytes, std::size_t at) {
    if (at + 4 > bytes.size()) return 0;
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

}  // namespace

MoCatalog::MoCatalog(std::span<const unsigned char> bytes) : m_bytes(bytes) {
    if (wordAt(bytes, 0) != kMagic) return;
    const std::size_t count = wordAt(bytes, 8);
    m_sources = wordAt(bytes, 12);
    m_translations = wordAt(bytes, 16);
    if (m_sources + count * 8 > bytes.size() || m_translations + count * 8 > bytes.size()) return;
    m_count = count;
    for (std::size_t i = 0; i < count; ++i) {
        for (const std::size_t table : {m_sources, m_translations}) {
            const std::size_t length = wordAt(bytes, table + i * 8);
            const std::size_t offset = wordAt(bytes, table + i * 8 + 4);
            // Each string ends with a NUL the table does not count.
            if (offset + length >= bytes.size() || bytes[offset + length] != 0) {
                m_count = 0;
                return;
            }
        }
    }
}

std::string_view MoCatalog::stringAt(std::size_t table, std::size_t index) const {
    const std::size_t length = wordAt(m_bytes, table + index * 8);
    const std::size_t offset = wordAt(m_bytes, table + index * 8 + 4);
    return {reinterpret_cast<const char*>(m_bytes.data() + offset), length};
}

const char* MoCatalog::find(std::string_view source) const {
    // msgfmt sorts the source texts by their bytes.
    std::size_t low = 0;
    std::size_t high = m_count;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const std::string_view candidate = stringAt(m_sources, middle);
        if (candidate == source) return stringAt(m_translations, middle).data();
        if (candidate < source) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

}  // namespace glint::language
