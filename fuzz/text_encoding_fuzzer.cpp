// The caption decoding on any bytes: what it gives is always valid UTF-8, and valid UTF-8 comes
// back unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "package/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = glint::package::displayText(bytes);
    if (!glint::package::isValidUtf8(shown)) std::abort();
    if (glint::package::isValidUtf8(bytes) && shown != bytes) std::abort();
    return 0;
}
