#pragma once

// The sample photograph the preview shows before the person chooses one: a painted mountain lake
// at sunrise with a pine and a flowering bank in front, in portrait orientation.

#include <QImage>
#include <QSize>

namespace glint::assets {

class SamplePhotoPainter {
public:
    explicit SamplePhotoPainter(QSize size) : m_size(size) {}

    QImage paint() const;

private:
    QSize m_size;
};

}  // namespace glint::assets
