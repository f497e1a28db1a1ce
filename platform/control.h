#pragma once

// The state every control shares: position and outer size in twips, kept on whole pixels as a
// window system keeps them, visibility, and the input handlers the programs attach.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/input_events.h"
#include "platform/rect.h"
#include "platform/twips.h"

namespace glint::platform {

// The pointer shown while the mouse is over a control.
enum class MousePointer { Default, Hand };

class Control {
public:
    explicit Control(std::string name) : m_name(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }

    // Left and Top in twips. Setting one rounds twips / 15 to the nearest pixel (ties to even);
    // reading gives that pixel x 15. Throws std::overflow_error for a value that no pixel can hold.
    float left() const { return pixelsToTwips(m_rect.x); }
    float top() const { return pixelsToTwips(m_rect.y); }
    void setLeft(float twips);
    void setTop(float twips);

    // Outer size in twips, border included.
    float width() const { return pixelsToTwips(m_rect.width); }
    float height() const { return pixelsToTwips(m_rect.height); }

    // The outer rectangle in pixels of the window's client area.
    const Rect& pixelRect() const { return m_rect; }
    void setPixelRect(const Rect& r) { m_rect = r; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    MousePointer mousePointer() const { return m_pointer; }
    void setMousePointer(MousePointer pointer) { m_pointer = pointer; }

    // The offset of the inner area from the outer corner, in pixels (a border's width).
    virtual int borderPixels() const { return 0; }
    // Whether mouse positions given to this control's handlers are in pixels instead of twips.
    virtual bool scalesInPixels() const { return false; }

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(const KeyEvent&)> onKeyDown;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void(const MouseEvent&)> onMouseMove;

protected:
    void setPixelSize(int width, int height) {
        m_rect.width = width;
        m_rect.height = height;
    }

private:
    std::string m_name;
    Rect m_rect;
    bool m_visible = true;
    MousePointer m_pointer = MousePointer::Default;
};

}  // namespace glint::platform
