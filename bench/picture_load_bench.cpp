// Picture load: the Qt backend's real loader (QtPictureLoader::load) against `djpeg` decoding
// the same file to /dev/null, alternated in one run, for photos of about 1, 6, 24 and 100
// megapixels made by make_pictures. Prints the medians and their ratio for each.
// usage: picture_load_bench FOLDER

#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

double timeDjpeg(const std::string& path) {
    const glint::bench::Stopwatch watch;
    const pid_t child = fork();
    if (child == 0) {
        execlp("djpeg", "djpeg", "-outfile", "/dev/null", path.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? watch.elapsedMs() : -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    namespace bench = glint::bench;
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    glint::platform::qt::QtPictureLoader loader;
    struct Photo {
        const char* key;
        int runs;
    };
    for (const Photo photo :
         {Photo{"mp1", 9}, Photo{"mp6", 7}, Photo{"mp24", 7}, Photo{"mp100", 3}}) {
        const std::string path = std::string(argv[1]) + "/" + photo.key + ".jpg";
        std::vector<double> loads;
        std::vector<double> djpegs;
        int width = 0;
        for (int run = 0; run < photo.runs; ++run) {
            const bench::Stopwatch watch;
            width = loader.load(path).width();
            loads.push_back(watch.elapsedMs());
            djpegs.push_back(timeDjpeg(path));
        }
        const double load = bench::median(loads);
        const double djpeg = bench::median(djpegs);
        const std::string key = std::string("load_") + photo.key;
        bench::report(key + "_loader_ms", width > 0 ? load : -1, "ms");
        bench::report(key + "_djpeg_ms", djpeg, "ms");
        bench::report(key + "_ratio", load / djpeg, "x");
    }
    return 0;
}
