#include "platform/win32/control_painter.h"

#include <algorithm>

#include "package/text_encoding.h"
#include "platform/win32/rect_list.h"
#include "platform/win32/stretched_picture.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

constexpr UINT kWrapFormat = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
constexpr UINT kLineFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
// The space between a frame's left edge and its caption, and around the caption's text.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

COLORREF colorRef(Rgb color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

RECT toRECT(const Rect& r) {
    return {r.x, r.y, r.right(), r.bottom()};
}

std::wstring displayed(const std::string& caption) {
    return widen(package::displayText(caption));
}

template <typename Kind>
const Kind* visibleIn(const Control* control, const Rect& clip, const ControlPainter& painter) {
    const auto* kind = dynamic_cast<const Kind*>(control);
    if (!kind || !kind->visible()) return nullptr;
    return intersection(painter.extentOf(*kind), clip).isEmpty() ? nullptr : kind;
}

// A one-pixel outline from (left, top) to (right, bottom), both corners included.
void outline(FrameBuffer& frame, int left, int top, int right, int bottom, Rgb color,
             const Rect& clip) {
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    frame.fill({left, top, width, 1}, color, clip);
    frame.fill({left, bottom, width, 1}, color, clip);
    frame.fill({left, top, 1, height}, color, clip);
    frame.fill({right, top, 1, height}, color, clip);
}

}  // namespace

ControlPainter::ControlPainter(HFONT font) : m_font(font), m_measure(CreateCompatibleDC(nullptr)) {
    SelectObject(m_measure, m_font);
}

ControlPainter::~ControlPainter() {
    DeleteDC(m_measure);
}

int ControlPainter::lineHeight() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(m_measure, &metrics);
    return metrics.tmHeight;
}

Rect ControlPainter::extentOf(const Control& control) const {
    Rect extent = control.pixelRect();
    const auto* label = dynamic_cast<const Label*>(&control);
    if (!label || !label->wordWrap() || extent.isEmpty()) return extent;
    const std::wstring caption = displayed(label->caption());
    RECT text{extent.x, extent.y, extent.right(), extent.y};
    DrawTextW(m_measure, caption.c_str(), static_cast<int>(caption.size()), &text,
              kWrapFormat | DT_CALCRECT);
    extent.height = std::max<int>(extent.height, text.bottom - text.top);
    return extent;
}

void ControlPainter::paint(FrameBuffer& frame, const Form& form, const Rect& clip) {
    SelectObject(frame.dc(), m_font);
    SetBkMode(frame.dc(), TRANSPARENT);
    for (const Control* control : form.controls()) {
        if (const auto* box = visibleIn<Frame>(control, clip, *this)) {
            paintFrame(frame, *box, form.backColor(), clip);
        }
    }
    for (const Control* control : form.controls()) {
        if (const auto* label = visibleIn<Label>(control, clip, *this)) {
            paintLabel(frame, *label, form.backColor(), clip);
        } else if (const auto* image = visibleIn<ImageBox>(control, clip, *this)) {
            paintImageBox(frame, *image, clip);
        }
    }
    for (const Control* control : form.controls()) {
        if (const auto* box = visibleIn<PictureBox>(control, clip, *this)) {
            paintPictureBox(frame, *box, clip);
        }
    }
}

void ControlPainter::drawText(FrameBuffer& frame, const std::wstring& text, const Rect& r,
                              UINT format, Rgb color, const Rect& clip) const {
    const Rect visible = intersection(r, clip);
    if (visible.isEmpty() || text.empty()) return;
    HDC dc = frame.dc();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, visible.x, visible.y, visible.right(), visible.bottom());
    SetTextColor(dc, colorRef(color));
    RECT bounds = toRECT(r);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, format);
    RestoreDC(dc, saved);
}

void ControlPainter::paintFrame(FrameBuffer& frame, const Frame& control, Rgb windowColor,
                                const Rect& clip) {
    const Rect r = control.pixelRect();
    if (r.width < 2 || r.height < 2) return;
    // The top line runs through the middle of the caption's line, with or without a caption.
    const int textHeight = lineHeight();
    const int top = std::min(r.y + textHeight / 2, r.bottom() - 2);
    // An etched line: the light one inside the shadow at the top and left, outside it at the
    // bottom and right.
    outline(frame, r.x + 1, top + 1, r.right() - 1, r.bottom() - 1, kFrameLight, clip);
    outline(frame, r.x, top, r.right() - 2, r.bottom() - 2, kFrameShadow, clip);

    const std::wstring caption = displayed(control.caption());
    if (caption.empty()) return;
    SIZE size{};
    GetTextExtentPoint32W(m_measure, caption.c_str(), static_cast<int>(caption.size()), &size);
    const int width = std::min<int>(size.cx + 2 * kCaptionPadding, r.width - 2 * kCaptionIndent);
    const Rect text{r.x + kCaptionIndent, r.y, width, textHeight};
    frame.fill(text, windowColor, clip);
    drawText(frame, caption,
             {text.x + kCaptionPadding, text.y, text.width - kCaptionPadding, text.height},
             kLineFormat, kFrameText, clip);
}

void ControlPainter::paintLabel(FrameBuffer& frame, const Label& label, Rgb windowColor,
                                const Rect& clip) {
    const Rect r = label.pixelRect();
    // The label model has no colour of its own behind the text; an opaque one shows its window's.
    if (!label.transparent()) frame.fill(r, windowColor, clip);
    const std::wstring caption = widen(label.displayCaption());
    if (label.wordWrap()) {
        drawText(frame, caption, extentOf(label), kWrapFormat, label.foreColor(), clip);
    } else {
        drawText(frame, caption, r, kLineFormat, label.foreColor(), clip);
    }
}

// The picture is stretched to the control's size, proportions not kept.
void ControlPainter::paintImageBox(FrameBuffer& frame, const ImageBox& image, const Rect& clip) {
    const Rect r = image.pixelRect();
    if (image.picture().isNull() || r.isEmpty()) return;
    Stretched& cached = m_stretched[&image];
    const PictureStamp stamp = PictureStamp::of(image.picture());
    if (!(cached.stamp == stamp) || cached.image.width() != r.width ||
        cached.image.height() != r.height) {
        cached = {stamp, stretched(image.picture(), r.width, r.height)};
    }
    frame.drawImage(cached.image, r.x, r.y, clip);
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
    frame.drawImage(picture, inner.x, inner.y, intersection(inner, clip));
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

}  // namespace glint::platform::win32
