#include "platform/x11/control_painter.h"

#include <X11/Xutil.h>

#include <algorithm>

#include "platform/win32/rect_list.h"

namespace glint::platform::x11 {
namespace {

using win32::intersection;

template <typename Kind>
const Kind* visibleIn(const Control* control, const Rect& clip) {
    const auto* kind = dynamic_cast<const Kind*>(control);
    if (!kind || !kind->visible()) return nullptr;
    const Rect r = ControlPainter::extentOf(*kind);
    const bool meets = r.x < clip.right() && clip.x < r.right() && r.y < clip.bottom() &&
                       clip.y < r.bottom() && !r.isEmpty();
    return meets ? kind : nullptr;
}

// Both lie inside the frame, so they fit the protocol's 16-bit rectangles.
Region regionOf(const Rect& r) {
    Region region = XCreateRegion();
    if (r.isEmpty()) return region;
    XRectangle area{static_cast<short>(r.x), static_cast<short>(r.y),
                    static_cast<unsigned short>(r.width), static_cast<unsigned short>(r.height)};
    XUnionRectWithRegion(&area, region, region);
    return region;
}

}  // namespace

ControlPainter::ControlPainter(Display* display, Visual* visual, Colormap colormap,
                               const XftFontSet& font)
    : m_display(display), m_visual(visual), m_colormap(colormap), m_font(font) {}

ControlPainter::~ControlPainter() {
    for (auto& [rgb, color] : m_colors) XftColorFree(m_display, m_visual, m_colormap, &color);
}

const XftColor& ControlPainter::colorOf(Rgb rgb) {
    auto known = m_colors.find(rgb);
    if (known != m_colors.end()) return known->second;
    const auto channel = [](Rgb value) {
        return static_cast<unsigned short>((value & 0xFF) * 257);
    };
    const XRenderColor wanted{channel(rgb >> 16), channel(rgb >> 8), channel(rgb), 0xFFFF};
    XftColor color{};
    XftColorAllocValue(m_display, m_visual, m_colormap, &wanted, &color);
    return m_colors.emplace(rgb, color).first->second;
}

Rect ControlPainter::coveredWhole(const Form& form, const Rect& clip) {
    for (const Control* control : form.controls()) {
        const auto* box = visibleIn<PictureBox>(control, clip);
        if (!box) continue;
        const int border = box->borderPixels();
        const Rect& r = box->pixelRect();
        const Rect inner{r.x + border, r.y + border, box->scaleWidth(), box->scaleHeight()};
        const Image& picture = box->picture();
        const bool filled = picture.width() < inner.width || picture.height() < inner.height;
        if (filled || box->pictureOpaque()) return intersection(inner, clip);
    }
    return {};
}

void ControlPainter::paintPixels(FrameBuffer& frame, const Form& form, const Rect& clip) const {
    for (const Control* control : form.controls()) {
        const auto* label = visibleIn<Label>(control, clip);
        // The label model has no colour of its own behind the text; an opaque one shows its
        // window's.
        if (label && !label->transparent()) frame.fill(label->pixelRect(), form.backColor(), clip);
    }
    for (const Control* control : form.controls()) {
        if (const auto* box = visibleIn<PictureBox>(control, clip)) {
            paintPictureBox(frame, *box, clip);
        }
    }
}

void ControlPainter::paintText(XftDraw* target, const Form& form, const Rect& clip) {
    for (const Control* control : form.controls()) {
        const auto* label = visibleIn<Label>(control, clip);
        if (!label || label->caption().empty()) continue;
        // A single line, cut at the label's edges, under every picture box.
        Region visible = regionOf(intersection(label->pixelRect(), clip));
        for (const Control* other : form.controls()) {
            const auto* box = dynamic_cast<const PictureBox*>(other);
            if (!box || !box->visible()) continue;
            const Rect covered = intersection(box->pixelRect(), clip);
            if (covered.isEmpty()) continue;
            Region under = regionOf(covered);
            XSubtractRegion(visible, under, visible);
            XDestroyRegion(under);
        }
        if (!XEmptyRegion(visible)) {
            XftDrawSetClip(target, visible);
            const Rect& r = label->pixelRect();
            m_font.draw(target, colorOf(label->foreColor()), r.x, r.y, label->displayCaption());
        }
        XDestroyRegion(visible);
    }
    XftDrawSetClip(target, nullptr);
}

void ControlPainter::paintPictureBox(FrameBuffer& frame, const PictureBox& box, const Rect& clip) {
    const Rect r = box.pixelRect();
    const int border = box.borderPixels();
    if (border > 0) paintSunkenBorder(frame, r, clip);

    const Rect inner{r.x + border, r.y + border, box.scaleWidth(), box.scaleHeight()};
    if (inner.isEmpty()) return;
    const Image& picture = box.picture();
    if (picture.width() < inner.width || picture.height() < inner.height) {
        frame.fill(inner, kBoxBackground, clip);
    }
    if (picture.isNull()) return;
    const Rect within = intersection(inner, clip);
    if (within.isEmpty()) return;
    frame.drawImage(picture, inner.x, inner.y, within, box.pictureOpaque());
}

void ControlPainter::paintSunkenBorder(FrameBuffer& frame, const Rect& r, const Rect& clip) {
    const int x = r.x;
    const int y = r.y;
    const int w = r.width;
    const int h = r.height;
    // Each ring's bottom-right lines are drawn last, so they own the two shared corners.
    frame.fill({x, y, w, 1}, kOuterShadow, clip);
    frame.fill({x, y, 1, h}, kOuterShadow, clip);
    frame.fill({x, y + h - 1, w, 1}, kOuterLight, clip);
    frame.fill({x + w - 1, y, 1, h}, kOuterLight, clip);
    frame.fill({x + 1, y + 1, w - 2, 1}, kInnerShadow, clip);
    frame.fill({x + 1, y + 1, 1, h - 2}, kInnerShadow, clip);
    frame.fill({x + 1, y + h - 2, w - 2, 1}, kInnerLight, clip);
    frame.fill({x + w - 2, y + 1, 1, h - 2}, kInnerLight, clip);
}

}  // namespace glint::platform::x11
