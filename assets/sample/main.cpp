// glint_make_sample OUTPUT_FOLDER: writes the sample show's pictures, music and lists into an
// existing, empty folder. Exit status 0 on success, 1 when the folder is refused or a write fails,
// 2 on wrong usage.

#include <iostream>

#include "assets/sample/sample_show.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: glint_make_sample OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const auto names = glint::assets::writeSampleShow(argv[1]);
        std::cout << "sample show written to " << argv[1] << " (" << names.size() << " files)\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "glint_make_sample: " << e.what() << '\n';
        return 1;
    }
}
