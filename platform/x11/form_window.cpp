#include "platform/x11/form_window.h"

#include <exception>
#include <stdexcept>

#include "platform/win32/rect_list.h"
#include "platform/x11/show_window.h"

namespace glint::platform::x11 {
namespace {

using win32::intersection;
using win32::merged;

constexpr long kEventMask = ExposureMask | StructureNotifyMask | KeyPressMask | ButtonPressMask |
                            ButtonReleaseMask | PointerMotionMask;
// Another program may hold the keyboard for a moment (a window manager's key binding): asked
// again at the next passes, this many times at most.
constexpr int kKeyboardTries = 200;

}  // namespace

FormWindow::FormWindow(X11Connection& connection, Form& form, Hooks hooks, const XftFontSet& font,
                       X11Cursor& cursor, Window embedded)
    : m_connection(connection),
      m_display(connection.display()),
      m_form(form),
      m_router(form),
      m_hooks(std::move(hooks)),
      m_cursor(cursor),
      m_embedded(embedded),
      m_font(font) {}

FormWindow::~FormWindow() {
    stop();
}

void FormWindow::show() {
    Rect area;
    if (m_embedded != None) {
        XWindowAttributes daemon{};
        ErrorTrap trap(m_display);
        if (!XGetWindowAttributes(m_display, m_embedded, &daemon) || trap.failed()) {
            throw std::runtime_error("XScreenSaver's window is gone");
        }
        area = {0, 0, daemon.width, daemon.height};
        m_visual = daemon.visual;
        m_depth = daemon.depth;
        m_colormap = daemon.colormap;
        m_form.setPixelRect(area);
        create(area, m_embedded);
        // Followed in size as the daemon's window changes with the monitors.
        XSelectInput(m_display, m_embedded, StructureNotifyMask);
        XMapWindow(m_display, m_window);
    } else {
        m_visual = DefaultVisual(m_display, m_connection.screen());
        m_depth = DefaultDepth(m_display, m_connection.screen());
        m_colormap = DefaultColormap(m_display, m_connection.screen());
        if (m_form.maximized()) {
            area = m_connection.primaryMonitor();
            m_form.setPixelRect(area);
        } else {
            area = m_form.pixelRect();
        }
        create(area, None);
        XMapRaised(m_display, m_window);
        m_wantsKeyboard = m_form.maximized();
    }
    m_originX = area.x;
    m_originY = area.y;
    m_width = area.width;
    m_height = area.height;
    m_form.setClientSize(area.width, area.height);
    present();
}

void FormWindow::create(const Rect& area, Window parent) {
    m_frame = std::make_unique<FrameBuffer>(m_display, m_visual, m_depth, m_connection.hasShm());
    // Shown where the window is exposed before its first presentation.
    const unsigned long background = m_frame->pixelOf(m_form.backColor());
    if (parent == None) {
        m_window = createShowWindow(m_connection, area, m_form.title(), true, background,
                                    kEventMask, m_form.maximized());
    } else {
        XSetWindowAttributes attributes{};
        attributes.background_pixel = background;
        attributes.border_pixel = 0;
        attributes.colormap = m_colormap;
        attributes.event_mask = kEventMask;
        m_window =
            XCreateWindow(m_display, parent, 0, 0, static_cast<unsigned>(area.width),
                          static_cast<unsigned>(area.height), 0, m_depth, InputOutput, m_visual,
                          CWBackPixel | CWBorderPixel | CWColormap | CWEventMask, &attributes);
    }
    m_deleteWindow = m_connection.atom("WM_DELETE_WINDOW");
    m_gc = XCreateGC(m_display, m_window, 0, nullptr);
    m_painter = std::make_unique<ControlPainter>(m_display, m_visual, m_colormap, m_font);
    m_cursor.attach(m_window);
}

void FormWindow::stop() {
    if (m_window == None) return;
    XUngrabKeyboard(m_display, CurrentTime);
    XUngrabPointer(m_display, CurrentTime);
    m_cursor.detach(m_window);
    if (m_draw) XftDrawDestroy(m_draw);
    m_draw = nullptr;
    m_painter.reset();
    if (m_back != None) XFreePixmap(m_display, m_back);
    m_back = None;
    m_frame.reset();
    XFreeGC(m_display, m_gc);
    XDestroyWindow(m_display, m_window);
    m_window = None;
    m_wantsKeyboard = false;
    XSync(m_display, False);
}

void FormWindow::resizeBackStore() {
    if (m_draw) XftDrawDestroy(m_draw);
    m_draw = nullptr;
    if (m_back != None) XFreePixmap(m_display, m_back);
    m_back = None;
    m_frame->resize(m_width, m_height);
    if (m_width <= 0 || m_height <= 0) return;
    m_back = XCreatePixmap(m_display, m_window, static_cast<unsigned>(m_width),
                           static_cast<unsigned>(m_height), static_cast<unsigned>(m_depth));
    m_draw = XftDrawCreate(m_display, m_back, m_visual, m_colormap);
}

void FormWindow::compose(const Rect& r) {
    for (int top = r.y; top < r.bottom(); top += m_frame->bandRows()) {
        m_frame->startBand(top);
        const Rect part = intersection(r, m_frame->band());
        m_frame->copySurface(m_form.surface(), part, m_form.backColor(),
                             ControlPainter::coveredWhole(m_form, part));
        m_painter->paintPixels(*m_frame, m_form, part);
        m_frame->put(m_back, m_gc, part);
    }
    // Once for the whole rectangle, on the pixmap that holds every band of it by now.
    m_painter->paintText(m_draw, m_form, r);
    XCopyArea(m_display, m_back, m_window, m_gc, r.x, r.y, static_cast<unsigned>(r.width),
              static_cast<unsigned>(r.height), r.x, r.y);
}

void FormWindow::present() {
    if (m_window == None) return;
    if (m_wantsKeyboard) takeKeyboard();
    std::vector<Rect> dirty = m_form.surface().takeDirty();
    const std::vector<Rect> changed = m_tracker.changes(m_form);
    dirty.insert(dirty.end(), changed.begin(), changed.end());
    if (m_frame->width() != m_width || m_frame->height() != m_height) {
        resizeBackStore();
        dirty.assign(1, m_frame->bounds());
    }
    if (m_back == None) return;
    for (const Rect& r : merged(std::move(dirty))) {
        const Rect visible = intersection(r, m_frame->bounds());
        if (!visible.isEmpty()) compose(visible);
    }
    XFlush(m_display);
}

void FormWindow::takeKeyboard() {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, m_window, &attributes) ||
        attributes.map_state != IsViewable) {
        return;
    }
    XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
    const int grabbed =
        XGrabKeyboard(m_display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (grabbed == GrabSuccess || ++m_keyboardTries >= kKeyboardTries) m_wantsKeyboard = false;
}

void FormWindow::followPlace() {
    int x = 0;
    int y = 0;
    Window child = None;
    if (XTranslateCoordinates(m_display, m_window, m_connection.root(), 0, 0, &x, &y, &child)) {
        m_originX = x;
        m_originY = y;
    }
}

bool FormWindow::handle(const XEvent& event) {
    if (m_window == None) return false;
    const Window window = event.xany.window;
    if (m_embedded != None && window == m_embedded) {
        if (event.type == ConfigureNotify) {
            const XConfigureEvent& c = event.xconfigure;
            m_form.setPixelRect({0, 0, c.width, c.height});
            XResizeWindow(m_display, m_window, static_cast<unsigned>(c.width),
                          static_cast<unsigned>(c.height));
        } else if (event.type == DestroyNotify) {
            m_hooks.closed();
        }
        return true;
    }
    if (window != m_window) return false;
    switch (event.type) {
        case Expose:
            if (m_back != None) {
                const XExposeEvent& e = event.xexpose;
                XCopyArea(m_display, m_back, m_window, m_gc, e.x, e.y,
                          static_cast<unsigned>(e.width), static_cast<unsigned>(e.height), e.x,
                          e.y);
            }
            break;
        case ConfigureNotify: {
            const XConfigureEvent& c = event.xconfigure;
            followPlace();
            if (c.width != m_width || c.height != m_height) {
                m_width = c.width;
                m_height = c.height;
                // A window system reports the same size more than once; only a new one makes a
                // new surface (which the form paints over).
                m_form.setClientSize(m_width, m_height);
                present();
            }
            break;
        }
        case MapNotify:
            followPlace();
            if (m_wantsKeyboard) takeKeyboard();
            break;
        case KeyPress:
            takeKey(event);
            break;
        case ButtonPress:
        case ButtonRelease:
            pointer(event, event.xbutton.x, event.xbutton.y);
            break;
        case MotionNotify:
            pointer(event, event.xmotion.x, event.xmotion.y);
            break;
        case ClientMessage:
            if (static_cast<Atom>(event.xclient.data.l[0]) == m_deleteWindow) m_hooks.closed();
            break;
        default:
            break;
    }
    return true;
}

void FormWindow::coverPointer(const XEvent& event) {
    if (m_window == None) return;
    if (event.type == MotionNotify) {
        pointer(event, event.xmotion.x_root - m_originX, event.xmotion.y_root - m_originY);
    } else {
        pointer(event, event.xbutton.x_root - m_originX, event.xbutton.y_root - m_originY);
    }
}

void FormWindow::takeKey(const XEvent& event) {
    if (m_window == None) return;
    XKeyEvent key = event.xkey;
    const KeyEvent pressed = toKeyEvent(XLookupKeysym(&key, 0), key.state);
    deliver([&] { m_router.key(pressed); });
}

void FormWindow::pointer(const XEvent& event, int x, int y) {
    RawMouse raw;
    raw.x = x;
    raw.y = y;
    if (event.type == MotionNotify) {
        raw.kind = RawMouse::Kind::Move;
        raw.button = buttonsHeldIn(event.xmotion.state);
        raw.shift = shiftStateOf(event.xmotion.state);
    } else {
        const std::optional<int> button = buttonOf(event.xbutton.button);
        if (!button) return;  // a step of the wheel
        raw.button = *button;
        raw.shift = shiftStateOf(event.xbutton.state);
        raw.kind = event.type == ButtonPress ? m_clicks.press(*button, x, y, event.xbutton.time)
                                             : RawMouse::Kind::Release;
    }
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::deliver(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        m_hooks.failed(failure.what());
        return;
    } catch (...) {
        m_hooks.failed("Unknown failure");
        return;
    }
    present();
}

}  // namespace glint::platform::x11
