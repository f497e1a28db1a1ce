// The Windows build's EXIF reader (platform/win32/exif_orientation.cpp, plain C++ but for its
// stream reading), on any EXIF block: the TIFF header, the directory offset and entries that may
// point anywhere. It answers an orientation from 1 to 8 and reads nothing outside the block.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/win32/exif_orientation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int orientation = glint::platform::win32::exifOrientation(data, size);
    if (orientation < 1 || orientation > 8) std::abort();
    return 0;
}
