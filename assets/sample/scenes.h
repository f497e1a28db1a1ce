#pragma once

// The sample show's pictures: landscapes that stand in for a person's holiday photographs. Each
// painter draws at any size (every measure is a fraction of the picture's width or height) and
// gives the same pixels for the same size on every run.

#include <QImage>
#include <QSize>

namespace glint::assets {

QImage paintSunsetOverSea(QSize size);
QImage paintSnowyMountains(QSize size);
QImage paintFlowerMeadow(QSize size);
QImage paintStarryNight(QSize size);
QImage paintCityAtDusk(QSize size);
QImage paintAutumnTrees(QSize size);

}  // namespace glint::assets
