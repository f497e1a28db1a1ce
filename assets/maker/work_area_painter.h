#pragma once

// The lower part of the authoring window, below the banner: one frame holding, on the left, the
// picture preview between two black bands where its labels sit, and on the right the four steps,
// each with its icon, its place for the step button and a short hint.

#include <QPainter>
#include <QRectF>

#include "art_fonts.h"
#include "art_texts.h"
#include "palette.h"
#include "window_layout.h"

namespace glint::assets {

class WorkAreaPainter {
public:
    WorkAreaPainter(const Palette& palette, const WindowLayout& layout, const ArtFonts& fonts,
                    const ArtTexts& texts);

    void paint(QPainter& painter) const;

private:
    void paintFrame(QPainter& painter) const;
    void paintPreviewPanel(QPainter& painter) const;
    void paintStep(QPainter& painter, int index) const;
    void paintStepTrail(QPainter& painter) const;
    void paintFooter(QPainter& painter) const;

    // The frame around the whole work area and the black header band along its top.
    QRectF frame() const;
    QRectF header() const;
    // The vertical rule between the preview panel and the steps.
    double dividerX() const;
    // The centre of the round badge that holds a step's icon.
    QPointF badgeCentre(int index) const;

    const Palette& m_palette;
    const WindowLayout& m_layout;
    const ArtFonts& m_fonts;
    const ArtTexts& m_texts;
};

}  // namespace glint::assets
