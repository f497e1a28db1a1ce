// Generate's single files: both systems' files of a 200 MB show (40 photos of 5 MB and a song),
// each with its installer and player, written by the authoring program's own code, against `cp`
// of 400 MB (the same files twice) into an empty folder, then sync, as the files are synced;
// alternated in one run. Prints the medians, their ratio, and what a file adds to its media.

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "maker/single_files.h"
#include "package/quoted_list.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
constexpr int kPhotos = 40;
constexpr std::size_t kPhotoBytes = 5u << 20;
constexpr int kRuns = 3;


double timeCpThenSync(const std::vector<std::string>& sources, const std::string& into) {
    fs::remove_all(into);
    fs::create_directories(into + "/a");
    fs::create_directories(into + "/b");
    const glint::bench::Stopwatch watch;
    for (const char* half : {"/a", "/b"}) {
        std::vector<char*> argv{const_cast<char*>("cp")};
        for (const auto& source : sources) argv.push_back(const_cast<char*>(source.c_str()));
        const std::string target = into + half;
        argv.push_back(const_cast<char*>(target.c_str()));
        argv.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            execvp("cp", argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }
    sync();
    return watch.elapsedMs();
}

// The installers and players at the sizes the build makes them, stripped.
void layOutPrograms(glint::testing::TempFolder& own) {
    fs::create_directories(own.file("windows"));
    glint::bench::writeRandomFile(own.file("pb.sys"), 2u << 20, 1);
    glint::bench::writeRandomFile(own.file("sp.sys"), 1400u << 10, 2);
    glint::bench::writeRandomFile(own.file("windows/pb.sys"), 2u << 20, 3);
    glint::bench::writeRandomFile(own.file("windows/sp.sys"), 1800u << 10, 4);
}

}  // namespace

int main() {
    namespace bench = glint::bench;
    using glint::package::appendQuotedLine;
    glint::testing::TempFolder own;
    glint::testing::TempFolder scratch;
    layOutPrograms(own);
    const std::string package = own.file("制作好的屏幕程序");
    fs::create_directories(package);
    std::vector<std::string> media;
    std::uint64_t mediaBytes = 0;
    for (int i = 0; i < kPhotos; ++i) {
        const std::string name = "photo" + std::to_string(i) + ".jpg";
        media.push_back(package + "/" + name);
        glint::bench::writeRandomFile(media.back(), kPhotoBytes, 0x9E3779B97F4A7C15ull + i);
        appendQuotedLine(package + "/pb.dat", name);
    }
    media.push_back(package + "/song.mp3");
    glint::bench::writeRandomFile(media.back(), 4u << 20, 12345);
    appendQuotedLine(package + "/ms.dat", "song.mp3");
    appendQuotedLine(package + "/kg.ini", "1");
    appendQuotedLine(package + "/timu.dat", "Glint benchmark");
    fs::copy_file(own.file("pb.sys"), package + "/pb.cc");
    for (const auto& file : media) mediaBytes += fs::file_size(file);

    std::vector<double> writes;
    std::vector<double> copies;
    std::string message;
    for (int run = 0; run < kRuns; ++run) {
        glint::maker::removeSingleFiles(own.path());
        sync();
        const bench::Stopwatch watch;
        message = glint::maker::writeSingleFiles(glint::platform::systemFiles(), own.path());
        writes.push_back(watch.elapsedMs());
        sync();
        copies.push_back(timeCpThenSync(media, scratch.file("copies")));
        fs::remove_all(scratch.file("copies"));
    }
    const double write = bench::median(writes);
    const double cp = bench::median(copies);
    bench::report("single_files_200mb_ms", write, "ms");
    bench::report("single_files_cp_400mb_then_sync_ms", cp, "ms");
    bench::report("single_files_vs_cp_ratio", write / cp, "x");
    for (const char* name : {glint::maker::kWindowsShowFileName, glint::maker::kLinuxShowFileName}) {
        const std::string path = package + "/" + name;
        const double added = fs::exists(path) ? static_cast<double>(fs::file_size(path)) -
                                                    static_cast<double>(mediaBytes)
                                              : -1;
        bench::report(std::string("single_file_overhead_") +
                          (name == glint::maker::kWindowsShowFileName ? "windows" : "linux"),
                      added / (1 << 20), "MB");
    }
    if (!message.empty()) std::fprintf(stderr, "generate said: %s\n", message.c_str());
    return message.empty() ? 0 : 1;
}
