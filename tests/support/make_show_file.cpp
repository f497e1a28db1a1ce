// Writes a Linux show file as the authoring program does: the shell header and the installer as
// the stub, then the show's files, each stored under its own file name.
// usage: glint_make_show_file OUT INSTALLER FILE...

#include <cstdio>
#include <filesystem>
#include <vector>

#include "package/linux_run_header.h"
#include "package/paths.h"
#include "package/show_file.h"

int main(int argc, char* argv[]) {
    using namespace glint::package;
    if (argc < 3) {
        std::fprintf(stderr, "usage: glint_make_show_file OUT INSTALLER FILE...\n");
        return 2;
    }
    try {
        const std::string installer = argv[2];
        const std::string header =
            linuxRunHeader(std::filesystem::file_size(installer), posixCksumOfFile(installer));
        std::vector<ShowEntry> entries;
        for (int i = 3; i < argc; ++i) entries.push_back({bareFileName(argv[i]), argv[i], {}});
        writeShowFile(argv[1], {{"header", "", header}, {"setup", installer, {}}}, entries);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
