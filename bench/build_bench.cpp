// The build of a package: Form3's "1、确定" on the headless backend with the real files
// (PosixFiles) copying 200 pictures of about 5 MB each and one music file, against `cp` of the
// same files into an empty folder, alternated in one run. Prints the medians and their ratio.

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "maker/form3.h"
#include "package/quoted_list.h"
#include "tests/maker/maker_harness.h"

namespace {

namespace fs = std::filesystem;
constexpr int kPictures = 200;
constexpr std::size_t kPictureBytes = 5u << 20;
constexpr int kRuns = 3;


// With thenSync, the time includes writing the copies out to the disk, as the build's copies are.
double timeCp(const std::vector<std::string>& sources, const std::string& into, bool thenSync) {
    fs::remove_all(into);
    fs::create_directory(into);
    std::vector<char*> argv{const_cast<char*>("cp")};
    for (const auto& source : sources) argv.push_back(const_cast<char*>(source.c_str()));
    argv.push_back(const_cast<char*>(into.c_str()));
    argv.push_back(nullptr);
    const glint::bench::Stopwatch watch;
    const pid_t child = fork();
    if (child == 0) {
        execvp("cp", argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (thenSync) sync();
    return watch.elapsedMs();
}

}  // namespace

int main() {
    namespace bench = glint::bench;
    glint::testing::MakerHarness h;
    glint::testing::TempFolder chosen;
    h.folder.write("pb.sys", "the player program");
    std::vector<std::string> sources;
    for (int i = 0; i < kPictures; ++i) {
        sources.push_back(chosen.file("photo" + std::to_string(i) + ".jpg"));
        glint::bench::writeRandomFile(sources.back(), kPictureBytes, 0x9E3779B97F4A7C15ull + i);
    }
    sources.push_back(chosen.file("music.mp3"));
    glint::bench::writeRandomFile(sources.back(), 4u << 20, 12345);

    const std::string package = h.packageFile("");
    std::vector<double> builds;
    std::vector<double> copies;
    std::vector<double> syncedCopies;
    for (int run = 0; run < kRuns; ++run) {
        fs::remove_all(package);
        fs::create_directory(package);
        for (int i = 0; i < kPictures; ++i) {
            glint::package::appendQuotedLine(h.packageFile("dsi.ini"), sources[i]);
        }
        glint::package::appendQuotedLine(h.packageFile("mus_dsi.ini"), sources.back());
        sync();
        {
            glint::maker::Form3 dialog(h.services, h.desktop, h.files);
            const bench::Stopwatch watch;
            dialog.Command1_Click();
            builds.push_back(watch.elapsedMs());
        }
        sync();
        copies.push_back(timeCp(sources, chosen.file("copies"), false));
        sync();
        syncedCopies.push_back(timeCp(sources, chosen.file("copies"), true));
        fs::remove_all(chosen.file("copies"));
    }
    const double build = bench::median(builds);
    const double cp = bench::median(copies);
    bench::report("build_200_pictures_ms", build, "ms");
    bench::report("build_cp_same_files_ms", cp, "ms");
    bench::report("build_vs_cp_ratio", build / cp, "x");
    const double cpSync = bench::median(syncedCopies);
    bench::report("build_cp_then_sync_ms", cpSync, "ms");
    bench::report("build_vs_cp_then_sync_ratio", build / cpSync, "x");
    bench::report("build_messages", static_cast<double>(h.desktop.messages().size()), "count");
    return 0;
}
