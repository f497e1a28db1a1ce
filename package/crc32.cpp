#include <array>
#include <cstdint>

#include "package/show_file.h"

namespace glint::package {
namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320;  // reflected, as zlib's

// Sixteen tables: table k gives a byte's contribution k bytes before the end of a 16-byte block,
// so the loop below folds sixteen bytes per step with no dependency between the lookups.
constexpr auto kTables = [] {
    std::array<std::array<std::uint32_t, 256>, 16> tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t crc = n;
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ kPolynomial : crc >> 1;
        tables[0][n] = crc;
    }
    for (std::size_t k = 1; k < 16; ++k) {
        for (std::size_t n = 0; n < 256; ++n) {
            const std::uint32_t previous = tables[k - 1][n];
            tables[k][n] = (previous >> 8) ^ tables[0][previous & 0xFF];
        }
    }
    return tables;
}();

std::uint32_t loadLittleEndian(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

// Products of polynomials modulo the CRC's, in its reflected notation (x^0 is the top bit).
constexpr std::uint32_t multiplyModulo(std::uint32_t a, std::uint32_t b) {
    std::uint32_t product = 0;
    for (std::uint32_t bit = 1u << 31; bit != 0; bit >>= 1) {
        if (a & bit) product ^= b;
        b = b & 1 ? (b >> 1) ^ kPolynomial : b >> 1;
    }
    return product;
}

// x^(2^k) modulo the polynomial, k = 0..31.
constexpr auto kPowers = [] {
    std::array<std::uint32_t, 32> powers{};
    std::uint32_t power = 1u << 30;  // x^1
    for (auto& entry : powers) {
        entry = power;
        power = multiplyModulo(power, power);
    }
    return powers;
}();

}  // namespace

std::uint32_t crc32(std::uint32_t crc, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    const auto& t = kTables;
    crc = ~crc;
    for (; size >= 16; size -= 16, bytes += 16) {
        const std::uint32_t a = loadLittleEndian(bytes) ^ crc;
        const std::uint32_t b = loadLittleEndian(bytes + 4);
        const std::uint32_t c = loadLittleEndian(bytes + 8);
        const std::uint32_t d = loadLittleEndian(bytes + 12);
        crc = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
              t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
              t[7][c & 0xFF] ^ t[6][(c >> 8) & 0xFF] ^ t[5][(c >> 16) & 0xFF] ^ t[4][c >> 24] ^
              t[3][d & 0xFF] ^ t[2][(d >> 8) & 0xFF] ^ t[1][(d >> 16) & 0xFF] ^ t[0][d >> 24];
    }
    for (; size > 0; --size, ++bytes) crc = t[0][(crc ^ *bytes) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t crc32Combine(std::uint32_t first, std::uint32_t second, std::uint64_t secondSize) {
    // first shifted past secondSize bytes of zeros, i.e. multiplied by x^(8 * secondSize).
    std::uint32_t shift = 1u << 31;  // x^0
    for (std::size_t k = 3; secondSize != 0; secondSize >>= 1, ++k) {
        if (secondSize & 1) shift = multiplyModulo(kPowers[k & 31], shift);
    }
    return multiplyModulo(shift, first) ^ second;
}

}  // namespace glint::package
