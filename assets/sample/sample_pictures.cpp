#include "assets/sample/sample_pictures.h"

#include <QBuffer>
#include <QByteArray>

#include "assets/sample/scenes.h"

namespace glint::assets {

std::vector<SamplePicture> samplePictures() {
    return {
        {"海边日落.jpg", QSize(1024, 768), "JPEG", paintSunsetOverSea},
        {"snowy_peaks.jpg", QSize(800, 600), "JPEG", paintSnowyMountains},
        {"meadow.bmp", QSize(640, 480), "BMP", paintFlowerMeadow},
        {"autumn_path.jpg", QSize(600, 800), "JPEG", paintAutumnTrees},
        {"city_at_dusk.jpg", QSize(960, 540), "JPEG", paintCityAtDusk},
        {"starry_night.jpg", QSize(801, 601), "JPEG", paintStarryNight},
    };
}

std::vector<char> encodePicture(const SamplePicture& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.paint(picture.size).save(&buffer, picture.format, 85)) return {};
    return {bytes.begin(), bytes.end()};
}

}  // namespace glint::assets
