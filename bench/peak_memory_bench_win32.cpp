// Peak memory with a large photo on the 32-bit Windows build, with its picture loader (GDI+):
// the peak of the process's private memory (PeakPagefileUsage), which must stay well inside the
// 2 GB a 32-bit program may use. See peak_memory_run.h.
// usage: peak_memory_bench.exe PICTURE KEY

#include <windows.h>

#include <psapi.h>

#include "bench/peak_memory_run.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_picture_loader.h"

namespace {

double peakPrivateMb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<double>(counters.PeakPagefileUsage) / (1024 * 1024);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 3) return 2;
    namespace win32 = glint::platform::win32;
    win32::Win32PictureLoader loader;
    glint::bench::runPeakMemory(win32::narrow(argv[1]), win32::narrow(argv[2]), loader,
                                peakPrivateMb);
    return 0;
}
