#include "platform/input_router.h"

namespace glint::platform {

Control& InputRouter::targetAt(int x, int y) const {
    const auto& controls = m_form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if ((*it)->visible() && (*it)->pixelRect().contains(x, y)) return **it;
    }
    return m_form;
}

MouseEvent InputRouter::eventFor(const Control& target, const RawMouse& raw) const {
    int x = raw.x;
    int y = raw.y;
    if (&target != &m_form) {
        x -= target.pixelRect().x + target.borderPixels();
        y -= target.pixelRect().y + target.borderPixels();
    }
    const float scale = target.scalesInPixels() ? 1.0f : static_cast<float>(kTwipsPerPixel);
    return {raw.button, raw.shift, static_cast<float>(x) * scale, static_cast<float>(y) * scale};
}

void InputRouter::mouse(const RawMouse& raw) {
    if (m_form.inputBlocked()) {
        // A press before the block makes no click with a release after it.
        m_pressed = nullptr;
        return;
    }
    Control* capture = m_form.mouseCapture();
    Control& target = capture ? *capture : targetAt(raw.x, raw.y);
    const MouseEvent event = eventFor(target, raw);
    switch (raw.kind) {
        case RawMouse::Kind::Move:
            if (target.onMouseMove) target.onMouseMove(event);
            break;
        case RawMouse::Kind::Press:
            m_pressed = &target;
            if (target.onMouseDown) target.onMouseDown(event);
            break;
        case RawMouse::Kind::Release: {
            const bool click = m_pressed == &target;
            m_pressed = nullptr;
            if (target.onMouseUp) target.onMouseUp(event);
            if (click && target.onClick) target.onClick();
            break;
        }
        case RawMouse::Kind::DoubleClick:
            // The second press of a double-click: the release that follows makes no click.
            m_pressed = nullptr;
            if (target.onDblClick) {
                target.onDblClick();
            } else if (target.onMouseDown) {
                target.onMouseDown(event);
            }
            break;
    }
}

void InputRouter::key(const KeyEvent& event) {
    if (m_form.inputBlocked()) return;
    Control* focus = m_form.focusedControl();
    Control& target = (focus && focus->visible()) ? *focus : m_form;
    if (target.onKeyDown) target.onKeyDown(event);
}

}  // namespace glint::platform
