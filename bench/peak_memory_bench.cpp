// Peak memory with a large photo on Linux, with the Qt backend's picture loader: the peak
// resident memory (VmHWM). See peak_memory_run.h.
// usage: peak_memory_bench PICTURE KEY

#include <QCoreApplication>

#include "bench/peak_memory_run.h"
#include "platform/qt/qt_picture_loader.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    glint::platform::qt::QtPictureLoader loader;
    glint::bench::runPeakMemory(argv[1], argv[2], loader, glint::bench::peakRssMb);
    return 0;
}
