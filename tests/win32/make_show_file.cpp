// Writes a show file for the tests, as the authoring program writes one:
//   glint_make_show_file OUT STUB FILE...
// the stub (the installer), then each file stored under its own name.

#include <cstdio>
#include <exception>
#include <vector>

#include "package/paths.h"
#include "package/show_file.h"
#include "platform/win32/wide_text.h"

int wmain(int argc, wchar_t** argv) {
    using glint::platform::win32::narrow;
    if (argc < 3) return 2;
    std::vector<glint::package::ShowEntry> files;
    for (int i = 3; i < argc; ++i) {
        files.push_back({glint::package::bareFileName(narrow(argv[i])), narrow(argv[i]), {}});
    }
    try {
        glint::package::writeShowFile(narrow(argv[1]), {{"", narrow(argv[2]), {}}}, files);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
