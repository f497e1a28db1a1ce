#include "tests/reliability/memory_use.h"

#include <malloc.h>
#include <unistd.h>

#include <fstream>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GLINT_HEAP_FROM_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define GLINT_HEAP_FROM_SANITIZER
#endif
#ifdef GLINT_HEAP_FROM_SANITIZER
// From the sanitizer's allocator interface; GCC installs the library but not its header.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace glint::reliability {

std::size_t heapInUse() {
#ifdef GLINT_HEAP_FROM_SANITIZER
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

}  // namespace glint::reliability
