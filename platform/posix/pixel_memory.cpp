// Pixel memory on Linux: blocks of camera size are aligned to transparent huge pages and advised
// to use them (the system's default is often "only when advised"), so a 24-megapixel photo costs
// a few dozen page faults instead of tens of thousands.

#include <sys/mman.h>

#include <new>

#include "platform/image.h"

namespace glint::platform {
namespace {

#ifdef MADV_HUGEPAGE
constexpr bool kHugePages = true;
#else
constexpr bool kHugePages = false;
#endif

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kHugeFrom = 2 * kHugePage;

bool huge(std::size_t bytes) {
    return kHugePages && bytes >= kHugeFrom && bytes <= static_cast<std::size_t>(-1) - kHugePage;
}

std::size_t roundedToHugePages(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* allocatePixelBlock(std::size_t bytes) {
    if (!huge(bytes)) return ::operator new(bytes);
    const std::size_t rounded = roundedToHugePages(bytes);
    void* block = ::operator new(rounded, std::align_val_t(kHugePage));
#ifdef MADV_HUGEPAGE
    // Advice only: where huge pages are off or used up, the block has ordinary pages.
    madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return block;
}

void freePixelBlock(void* block, std::size_t bytes) noexcept {
    if (!huge(bytes)) {
        ::operator delete(block);
        return;
    }
    ::operator delete(block, std::align_val_t(kHugePage));
}

}  // namespace glint::platform
