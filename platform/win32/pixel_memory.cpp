// Pixel memory on Windows: the ordinary heap (large pages there need a privilege users lack).

#include <new>

#include "platform/image.h"

namespace glint::platform {

void* allocatePixelBlock(std::size_t bytes) {
    return ::operator new(bytes);
}

void freePixelBlock(void* block, std::size_t) noexcept {
    ::operator delete(block);
}

}  // namespace glint::platform
