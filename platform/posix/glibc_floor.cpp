// The programs that travel inside a package run on every system with glibc 2.34 or later. The
// C++ runtime is linked statically, and on a newer build machine its archives call two functions
// that glibc gained after 2.34: the unwinder looks up the frame tables of the code that throws
// with _dl_find_object (2.35), and std::random_device reads arc4random (2.36). Defined here, the
// program's own definitions are the ones linked, so neither is asked of the C library at run time.
// They are built only into those programs (see glint_glibc_floor), never into a library.

#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <sys/random.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

struct Lookup {
    std::uintptr_t address;
    dl_find_object* result;
    bool found;
};

// Finds the loaded object whose loadable segments hold the address, and its frame table
// (PT_GNU_EH_FRAME), as glibc's own _dl_find_object does.
int findObject(dl_phdr_info* info, std::size_t, void* data) {
    auto* lookup = static_cast<Lookup*>(data);
    std::uintptr_t start = UINTPTR_MAX, end = 0;
    bool holds = false;
    const void* frames = nullptr;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        const std::uintptr_t from = info->dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD) {
            const std::uintptr_t to = from + segment.p_memsz;
            if (from < start) start = from;
            if (to > end) end = to;
            if (lookup->address >= from && lookup->address < to) holds = true;
        } else if (segment.p_type == PT_GNU_EH_FRAME) {
            frames = reinterpret_cast<const void*>(from);
        }
    }
    if (!holds) return 0;
    std::memset(lookup->result, 0, sizeof *lookup->result);
    lookup->result->dlfo_map_start = reinterpret_cast<void*>(start);
    lookup->result->dlfo_map_end = reinterpret_cast<void*>(end);
    lookup->result->dlfo_eh_frame = const_cast<void*>(frames);
    lookup->found = true;
    return 1;
}

}  // namespace

extern "C" int _dl_find_object(void* address, dl_find_object* result) {
    Lookup lookup{reinterpret_cast<std::uintptr_t>(address), result, false};
    dl_iterate_phdr(findObject, &lookup);
    return lookup.found ? 0 : -1;
}

extern "C" std::uint32_t arc4random() {
    std::uint32_t value = 0;
    // Four bytes never come short; only a signal interrupts the call.
    while (getrandom(&value, sizeof value, 0) < 0 && errno == EINTR) {
    }
    return value;
}
