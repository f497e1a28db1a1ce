#include "platform/x11/dialog_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "platform/x11/dialog_font.h"
#include "platform/x11/dialog_layout.h"
#include "platform/x11/dialog_painter.h"
#include "platform/x11/dialog_screen.h"
#include "platform/x11/dialog_utf8.h"

namespace glint::platform::x11 {

namespace {

constexpr double kFontPoints = 10.0;
constexpr int kField = -1;  // the focus index of the text field

// Focus requests can race the window manager; what fails of them changes nothing worth ending
// the program for, as Xlib's default handler would.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

std::vector<std::string> validTexts(const std::vector<std::string>& texts) {
    std::vector<std::string> valid;
    for (const std::string& text : texts) valid.push_back(validUtf8(text));
    return valid;
}

DialogLayout layOut(DialogFont& font, double scale, const std::vector<std::string>& lines,
                    const std::vector<std::string>& buttons, bool hasField) {
    DialogContent content{scale, font.lineHeight(), {}, {}, hasField};
    for (const std::string& line : lines) content.lineWidths.push_back(font.width(line));
    for (const std::string& label : buttons) content.buttonLabelWidths.push_back(font.width(label));
    return layOutDialog(content);
}

class DialogWindow {
public:
    DialogWindow(Display* display, const DialogRequest& request, NumberField* field);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    std::size_t run();

private:
    void setProperties(const std::string& title);
    void key(XKeyEvent& event);
    void fieldKey(KeySym key);
    void moveFocus(int by);
    void click(const XButtonEvent& event, bool down);
    std::size_t caretAt(int x);
    void paint();

    const DialogRequest& m_request;
    NumberField* m_field;
    Display* m_display;
    int m_screen;
    double m_scale;
    DialogFont m_font;
    std::vector<std::string> m_lines;
    std::vector<std::string> m_buttons;
    DialogLayout m_layout;
    DialogPainter m_painter;
    Window m_window = 0;
    Atom m_deleteWindow;
    int m_focus;
    std::optional<std::size_t> m_pressed;
    std::optional<std::size_t> m_answer;
};

DialogWindow::DialogWindow(Display* display, const DialogRequest& request, NumberField* field)
    : m_request(request),
      m_field(field),
      m_display(display),
      m_screen(DefaultScreen(display)),
      m_scale(desktopDpi(display) / 96.0),
      m_font(display, m_screen, kFontPoints * desktopDpi(display) / 72.0),
      m_lines(wrapText(validUtf8(request.text), wrapWidth(m_scale),
                       [this](std::string_view text) { return m_font.width(text); })),
      m_buttons(validTexts(request.buttons)),
      m_layout(layOut(m_font, m_scale, m_lines, m_buttons, field != nullptr)),
      m_painter(display, m_screen, m_layout.width, m_layout.height, m_font, m_scale),
      m_deleteWindow(XInternAtom(display, "WM_DELETE_WINDOW", False)),
      m_focus(field != nullptr ? kField : static_cast<int>(request.defaultButton)) {
    const Box monitor = primaryMonitor(display);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = m_painter.backgroundPixel();
    attributes.event_mask =
        ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
    m_window = XCreateWindow(
        display, RootWindow(display, m_screen), monitor.x + (monitor.width - m_layout.width) / 2,
        monitor.y + (monitor.height - m_layout.height) / 2, static_cast<unsigned>(m_layout.width),
        static_cast<unsigned>(m_layout.height), 0, CopyFromParent, InputOutput, CopyFromParent,
        CWBackPixel | CWEventMask, &attributes);
    setProperties(validUtf8(request.title));
}

DialogWindow::~DialogWindow() {
    XDestroyWindow(m_display, m_window);
    XSync(m_display, False);
}

void DialogWindow::setProperties(const std::string& title) {
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    const auto* titleBytes = reinterpret_cast<const unsigned char*>(title.data());
    const int titleLength = static_cast<int>(title.size());
    XChangeProperty(m_display, m_window, XA_WM_NAME, utf8, 8, PropModeReplace, titleBytes,
                    titleLength);
    XChangeProperty(m_display, m_window, XInternAtom(m_display, "_NET_WM_NAME", False), utf8, 8,
                    PropModeReplace, titleBytes, titleLength);

    // Placed where asked (centred on the primary monitor), at a size that does not change.
    std::unique_ptr<XSizeHints, int (*)(void*)> size(XAllocSizeHints(), XFree);
    size->flags = USPosition | PPosition | PMinSize | PMaxSize;
    size->min_width = size->max_width = m_layout.width;
    size->min_height = size->max_height = m_layout.height;
    XSetWMNormalHints(m_display, m_window, size.get());
    std::unique_ptr<XWMHints, int (*)(void*)> hints(XAllocWMHints(), XFree);
    hints->flags = InputHint | StateHint;
    hints->input = True;
    hints->initial_state = NormalState;
    XSetWMHints(m_display, m_window, hints.get());
    char name[] = "glint";
    char className[] = "Glint";
    XClassHint windowClass{name, className};
    XSetClassHint(m_display, m_window, &windowClass);
    XSetWMProtocols(m_display, m_window, &m_deleteWindow, 1);
    XSetTransientForHint(m_display, m_window, RootWindow(m_display, m_screen));
    const Atom dialog = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(m_display, m_window, XInternAtom(m_display, "_NET_WM_WINDOW_TYPE", False),
                    XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&dialog),
                    1);
    const long pid = getpid();
    XChangeProperty(m_display, m_window, XInternAtom(m_display, "_NET_WM_PID", False), XA_CARDINAL,
                    32, PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
}

std::size_t DialogWindow::run() {
    XMapRaised(m_display, m_window);
    while (!m_answer) {
        XEvent event;
        XNextEvent(m_display, &event);
        // The connection outlives each dialog: what was meant for an earlier one is dropped.
        if (event.xany.window != m_window) continue;
        if (event.type == Expose && event.xexpose.count == 0) {
            paint();
        } else if (event.type == MapNotify) {
            // Without a window manager nobody else gives it the keyboard.
            XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
        } else if (event.type == KeyPress) {
            key(event.xkey);
        } else if (event.type == ButtonPress || event.type == ButtonRelease) {
            click(event.xbutton, event.type == ButtonPress);
        } else if (event.type == ClientMessage &&
                   static_cast<Atom>(event.xclient.data.l[0]) == m_deleteWindow) {
            m_answer = m_request.cancelButton;
        }
    }
    return *m_answer;
}

void DialogWindow::key(XKeyEvent& event) {
    char typed[8] = {};
    KeySym key = NoSymbol;
    const int length = XLookupString(&event, typed, sizeof typed, &key, nullptr);
    if (key == XK_Return || key == XK_KP_Enter) {
        m_answer = m_focus == kField ? m_request.defaultButton : static_cast<std::size_t>(m_focus);
    } else if (key == XK_Escape) {
        m_answer = m_request.cancelButton;
    } else if (key == XK_space && m_focus != kField) {
        m_answer = static_cast<std::size_t>(m_focus);
    } else if (key == XK_Tab || key == XK_ISO_Left_Tab) {
        moveFocus(key == XK_ISO_Left_Tab || (event.state & ShiftMask) ? -1 : 1);
    } else if (m_focus == kField) {
        fieldKey(key);
        if (length == 1) m_field->type(typed[0]);
    } else if (key == XK_Left || key == XK_Right) {
        moveFocus(key == XK_Left ? -1 : 1);
    } else if (length == 1) {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0])));
        const std::size_t shortcut = m_request.shortcuts.find(letter);
        if (shortcut < m_buttons.size()) m_answer = shortcut;
    }
    if (!m_answer) paint();
}

void DialogWindow::fieldKey(KeySym key) {
    if (key == XK_BackSpace) m_field->backspace();
    if (key == XK_Delete || key == XK_KP_Delete) m_field->deleteForward();
    if (key == XK_Left || key == XK_KP_Left) m_field->moveLeft();
    if (key == XK_Right || key == XK_KP_Right) m_field->moveRight();
    if (key == XK_Home || key == XK_KP_Home) m_field->moveHome();
    if (key == XK_End || key == XK_KP_End) m_field->moveEnd();
    if (key == XK_Up || key == XK_KP_Up) m_field->step(1);
    if (key == XK_Down || key == XK_KP_Down) m_field->step(-1);
}

// Through the field (when there is one) and the buttons, left to right, round again.
void DialogWindow::moveFocus(int by) {
    const int first = m_field != nullptr ? kField : 0;
    const int count = static_cast<int>(m_buttons.size()) - first;
    m_focus = first + ((m_focus - first + by) % count + count) % count;
}

// A button answers when the mouse is pressed and released on it.
void DialogWindow::click(const XButtonEvent& event, bool down) {
    if (event.button != Button1) return;
    for (std::size_t i = 0; i < m_layout.buttons.size(); ++i) {
        if (!m_layout.buttons[i].contains(event.x, event.y)) continue;
        if (down) {
            m_pressed = i;
            m_focus = static_cast<int>(i);
        } else if (m_pressed == i) {
            m_answer = i;
        }
    }
    if (down && m_field != nullptr && m_layout.field->contains(event.x, event.y)) {
        m_focus = kField;
        m_field->moveTo(caretAt(event.x));
    }
    if (!down) m_pressed.reset();
    if (!m_answer) paint();
}

// The boundary between the field's characters nearest to a window x.
std::size_t DialogWindow::caretAt(int x) {
    const std::string_view text = m_field->text();
    const int start = m_painter.fieldTextX(*m_layout.field);
    std::size_t best = 0;
    for (std::size_t at = 1; at <= text.size(); ++at) {
        const int distance = std::abs(start + m_font.width(text.substr(0, at)) - x);
        if (distance < std::abs(start + m_font.width(text.substr(0, best)) - x)) best = at;
    }
    return best;
}

void DialogWindow::paint() {
    // The ring marks the button Return presses.
    const std::size_t ringed =
        m_focus == kField ? m_request.defaultButton : static_cast<std::size_t>(m_focus);
    m_painter.paint({m_layout, m_lines, m_buttons, m_field, m_focus == kField, ringed, m_pressed},
                    m_window);
}

// One connection serves every dialog of the process. Opening and closing one per dialog left
// Xlib's extension bookkeeping to be torn down and rebuilt many times over in a short-lived
// installer, and now and then a later dialog's connection read a reply that was not its own.
Display* dialogDisplay() {
    static Display* display = nullptr;
    if (display == nullptr) display = XOpenDisplay(nullptr);
    return display;
}

}  // namespace

std::optional<std::size_t> runDialog(const DialogRequest& request, NumberField* field) {
    if (request.buttons.empty()) return std::nullopt;
    Display* display = dialogDisplay();
    if (display == nullptr) return std::nullopt;
    const XErrorHandler previous = XSetErrorHandler(ignoreError);
    std::optional<std::size_t> answer;
    try {
        DialogWindow window(display, request, field);
        answer = window.run();
    } catch (const std::runtime_error&) {
        // No font to write with: the dialog cannot be shown, as without a display.
    }
    XSetErrorHandler(previous);
    return answer;
}

}  // namespace glint::platform::x11
