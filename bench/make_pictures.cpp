// Writes the benchmarks' photos into a folder: photo-like JPEGs (smooth gradients with grain) of
// 1920 x 1080 and of about 1, 6, 24 and 100 megapixels, each made here from nothing.
// usage: make_pictures FOLDER

#include <QCoreApplication>
#include <QImage>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

QImage photoLike(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 2463534242u;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            const int grain = static_cast<int>(seed & 15) - 8;
            const int r = 40 + 160 * x / width + grain;
            const int g = 60 + 120 * y / height + grain;
            const int b = 128 + ((x / 7 + y / 5) % 64) + grain;
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures FOLDER\n");
        return 2;
    }
    struct Picture {
        const char* name;
        int width;
        int height;
    };
    const Picture pictures[] = {{"screen.jpg", 1920, 1080},
                                {"mp1.jpg", 1224, 816},
                                {"mp2.jpg", 1600, 1200},
                                {"mp6.jpg", 3000, 2000},
                                {"mp24.jpg", 6000, 4000},
                                {"mp100.jpg", 12500, 8000}};
    for (const Picture& picture : pictures) {
        const std::string path = std::string(argv[1]) + "/" + picture.name;
        if (!photoLike(picture.width, picture.height)
                 .save(QString::fromStdString(path), "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
