// Writes a Linux show file as the authoring program does: the shell header and the installer,
// then the show's files under their own names. usage: glint_make_show_file OUT INSTALLER FILE...

#include <cstdio>
#include <filesystem>

#include "package/linux_run_header.h"
#include "package/paths.h"
#include "package/show_file.h"

int main(int argc, char* argv[]) {
    using namespace glint::package;
    try {
        if (argc < 3)
            throw std::invalid_argument("usage: glint_make_show_file OUT INSTALLER FILE...");
        const std::string header =
            linuxRunHeader(std::filesystem::file_size(argv[2]), posixCksumOfFile(argv[2]));
        std::vector<ShowEntry> entries;
        for (int i = 3; i < argc; ++i) entries.push_back({bareFileName(argv[i]), argv[i], {}});
        writeShowFile(argv[1], {{"header", "", header}, {"setup", argv[2], {}}}, entries);
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
}
