#include "package/show_names.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "package/show_file.h"

namespace glint::package {
namespace {

constexpr std::size_t kMaxNameBytes = 255;

// The code point at pos, which moves past it; -1 (pos past one byte) for bytes that are no
// UTF-8: a bad lead or continuation byte, an overlong form, a surrogate, beyond U+10FFFF.
std::int32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int length = 0;
    std::int32_t point = 0;
    std::int32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, point = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, point = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, point = lead & 0x07, least = 0x10000;
    } else {
        return -1;
    }
    if (text.size() - pos < static_cast<std::size_t>(length)) return -1;
    for (int i = 0; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return -1;
        point = point << 6 | (next & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return -1;
    pos += length;
    return point;
}

bool isControl(std::int32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Windows opens a device for these, whatever extension follows (and whatever spaces end the
// part before it); COM and LPT also with a superscript digit.
bool isDeviceName(const std::string& name) {
    std::string stem = sameFileKey(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    static constexpr std::array<std::string_view, 6> kDevices{"con", "prn",    "aux",
                                                              "nul", "conin$", "conout$"};
    for (const std::string_view device : kDevices) {
        if (stem == device) return true;
    }
    if (stem.size() < 4 || (stem.compare(0, 3, "com") != 0 && stem.compare(0, 3, "lpt") != 0)) {
        return false;
    }
    const std::string_view digit = std::string_view(stem).substr(3);
    return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') || digit == "\xC2\xB9" ||
           digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

}  // namespace

bool isStorableName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameBytes) return false;
    if (name.back() == '.' || name.back() == ' ') return false;  // also "." and ".."
    for (std::size_t pos = 0; pos < name.size();) {
        const std::int32_t point = nextCodePoint(name, pos);
        if (point < 0 || isControl(point)) return false;
        if (point < 0x80 && std::string_view("<>:\"/\\|?*").find(static_cast<char>(point)) !=
                                std::string_view::npos) {
            return false;
        }
    }
    return !isDeviceName(name);
}

std::string sameFileKey(const std::string& name) {
    std::string key = name;
    for (char& c : key) c = asciiLower(c);
    return key;
}

std::string printableName(const std::string& name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t start = pos;
        const std::int32_t point = nextCodePoint(name, pos);
        if (point >= 0 && !isControl(point)) {
            shown.append(name, start, pos - start);
            continue;
        }
        const auto byte = static_cast<unsigned char>(name[start]);
        shown += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    }
    return shown;
}

}  // namespace glint::package
