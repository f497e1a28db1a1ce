#include "tests/maker/maker_harness.h"

#include <filesystem>

#include "package/paths.h"
#include "tests/support/native_path.h"

namespace glint::testing {
namespace {

const char* const kBases[] = {"001", "002", "003", "004", "005", "guan", "zuixiao"};

}  // namespace

platform::Rgb MakerHarness::color(const std::string& base, int variant) {
    int index = 0;
    while (kBases[index] != base) ++index;
    return platform::rgb(index + 1, variant, 0);
}

MakerHarness::MakerHarness()
    : services{folder.path(), timers, runtime, screen, metrics, pictures, media, cursor, runtime} {
    std::filesystem::create_directory(glint::package::filePath(folder.file(kPackageFolder)));
    std::filesystem::create_directory(glint::package::filePath(folder.file("pic")));
    for (const std::string base : kBases) {
        const bool small = base == "guan" || base == "zuixiao";
        const int width = small ? 15 : 139;
        const int height = small ? 11 : 28;
        for (int variant : {1, 2}) {
            const std::string name = native("pic/" + base + "_" + std::to_string(variant) + ".jpg");
            folder.write(name, "jpeg");
            pictures.add(folder.file(name), platform::Image(width, height, color(base, variant)));
        }
        desktop.addBuiltInPicture(base + "_1.jpg", platform::Image(width, height, color(base, 0)));
    }
    desktop.addBuiltInPicture("background.jpg", platform::Image(701, 407, platform::rgb(0, 0, 90)));
    desktop.addBuiltInPicture("shiji.jpg", platform::Image(34, 44, platform::rgb(0, 0, 91)));
    desktop.addBuiltInPicture("sample_photo.jpg",
                              platform::Image(151, 198, platform::rgb(0, 0, 92)));
    desktop.addBuiltInPicture("question.png", platform::Image(32, 32, platform::rgb(0, 0, 93)));
}

maker::FormMain& MakerHarness::form() {
    if (!m_form) m_form = std::make_unique<maker::FormMain>(services, desktop, files, fitting);
    return *m_form;
}

std::string MakerHarness::packageFile(const std::string& name) const {
    return folder.file(std::string(kPackageFolder) + package::kSeparator + name);
}

std::string MakerHarness::readPackageFile(const std::string& name) const {
    return folder.read(std::string(kPackageFolder) + package::kSeparator + name);
}

}  // namespace glint::testing
