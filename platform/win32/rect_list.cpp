#include "platform/win32/rect_list.h"

#include <algorithm>

namespace glint::platform::win32 {
namespace {

// Beyond this many separate rectangles a presentation repaints the one around them all.
constexpr std::size_t kMaxRects = 16;

bool meet(const Rect& a, const Rect& b) {
    return a.x <= b.right() && b.x <= a.right() && a.y <= b.bottom() && b.y <= a.bottom();
}

}  // namespace

Rect intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.right(), b.right());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (left >= right || top >= bottom) return {};
    return {left, top, right - left, bottom - top};
}

std::vector<Rect> merged(std::vector<Rect> rects) {
    rects.erase(
        std::remove_if(rects.begin(), rects.end(), [](const Rect& r) { return r.isEmpty(); }),
        rects.end());
    // A rectangle grown by a merge may now meet one already looked at: start over until none do.
    bool again = true;
    while (again) {
        again = false;
        for (std::size_t i = 0; i < rects.size() && !again; ++i) {
            for (std::size_t j = i + 1; j < rects.size(); ++j) {
                if (!meet(rects[i], rects[j])) continue;
                rects[i] = rects[i].united(rects[j]);
                rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                again = true;
                break;
            }
        }
    }
    if (rects.size() > kMaxRects) {
        Rect all;
        for (const Rect& r : rects) all = all.united(r);
        rects.assign(1, all);
    }
    return rects;
}

}  // namespace glint::platform::win32
