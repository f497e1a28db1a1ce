#include "platform/win32/form_presenter.h"

#include <algorithm>

#include "platform/win32/rect_list.h"

namespace glint::platform::win32 {

void FormPresenter::present(Form& form, HWND window, bool immediately) {
    RECT client{};
    GetClientRect(window, &client);
    std::vector<Rect> dirty = form.surface().takeDirty();
    const std::vector<Rect> changed = m_tracker.changes(form);
    dirty.insert(dirty.end(), changed.begin(), changed.end());
    if (m_frame.width() != client.right || m_frame.height() != client.bottom) {
        m_frame.resize(client.right, client.bottom);
        dirty.assign(1, m_frame.bounds());
    }
    for (const Rect& r : merged(std::move(dirty))) {
        const Rect visible = intersection(r, m_frame.bounds());
        if (visible.isEmpty()) continue;
        compose(form, visible);
        const RECT area{visible.x, visible.y, visible.right(), visible.bottom()};
        InvalidateRect(window, &area, FALSE);
    }
    if (immediately) UpdateWindow(window);
}

void FormPresenter::compose(Form& form, const Rect& r) {
    m_frame.copySurface(form.surface(), r, form.backColor());
    m_painter.paint(m_frame, form, r);
}

void FormPresenter::paint(HWND window, HBRUSH beyond) const {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    const RECT& area = paint.rcPaint;
    const RECT framed{area.left, area.top, std::min<LONG>(area.right, m_frame.width()),
                      std::min<LONG>(area.bottom, m_frame.height())};
    const bool inFrame = framed.left < framed.right && framed.top < framed.bottom;
    if (inFrame) m_frame.show(dc, framed);
    if (!inFrame || area.right > framed.right || area.bottom > framed.bottom) {
        const int saved = SaveDC(dc);
        if (inFrame) ExcludeClipRect(dc, framed.left, framed.top, framed.right, framed.bottom);
        FillRect(dc, &area, beyond);
        RestoreDC(dc, saved);
    }
    EndPaint(window, &paint);
}

}  // namespace glint::platform::win32
