#pragma once

// Which pictures the sample show holds, in the order it shows them, and how each is stored.

#include <QImage>
#include <QSize>
#include <string>
#include <vector>

namespace glint::assets {

struct SamplePicture {
    std::string fileName;  // a bare name, UTF-8
    QSize size;
    const char* format;  // a Qt image writer format: "JPEG" or "BMP"
    QImage (*paint)(QSize);
};

// Sizes differ from picture to picture, one stands upright and one has odd sides, as a person's
// own photographs do; none is wider than 1024 or taller than 800 pixels.
std::vector<SamplePicture> samplePictures();

// The picture in its file format, JPEG at quality 85. Empty when the writer fails.
std::vector<char> encodePicture(const SamplePicture& picture);

}  // namespace glint::assets
