#include "platform/win32/win32_runtime.h"

#include <mmsystem.h>

#include <algorithm>
#include <exception>
#include <iostream>

#include "package/text_encoding.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

// The system's finest sleep, so a sweep's passes keep their pace.
constexpr UINT kSleepResolutionMs = 1;

// Dispatches every message waiting; false when the program was asked to quit (the request is
// put back for the loop that ends on it).
bool pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

}  // namespace

Win32Runtime::Win32Runtime(TimerScheduler& timers) : m_timers(timers) {
    timeBeginPeriod(kSleepResolutionMs);
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_lastPacedPass);
}

Win32Runtime::~Win32Runtime() {
    m_covers.reset();
    m_window.reset();
    timeEndPeriod(kSleepResolutionMs);
}

HCURSOR Win32Runtime::handCursor() const {
    return m_hand ? m_hand : LoadCursorW(nullptr, IDC_HAND);
}

FormWindow::Hooks Win32Runtime::hooks() {
    return {[this] { scheduleTimers(); }, [this](const std::string& message) { fail(message); },
            [this] { driveTimers(); },
            [this] {
                if (m_covers) m_covers->coverMonitors();
            }};
}

void Win32Runtime::start(Form& form) {
    m_title = form.title();
    try {
        if (form.onLoad) form.onLoad();
        m_window = std::make_unique<FormWindow>(form, hooks(), FormWindow::Role::Main, nullptr,
                                                handCursor());
        m_window->show();
        if (form.maximized()) m_covers = std::make_unique<MonitorCovers>(*m_window);
    } catch (const std::exception& failure) {
        fail(failure.what());
    } catch (...) {
        fail("Unknown failure");
    }
    m_timers.start();
    scheduleTimers();
}

int Win32Runtime::run(Form& form) {
    start(form);
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got < 0) fail("The message queue failed");
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Runtime::driveTimers() {
    try {
        m_timers.runDue();
    } catch (const std::exception& failure) {
        fail(failure.what());
    } catch (...) {
        fail("Unknown failure");
    }
    present(false);
    scheduleTimers();
}

void Win32Runtime::scheduleTimers() {
    if (!m_window || !m_window->handle()) return;
    const std::int64_t next = m_timers.nextDueMs();
    if (next == TimerScheduler::kNever) {
        KillTimer(m_window->handle(), FormWindow::kTimerId);
        return;
    }
    // Never more than one timer interval away, so it fits the UINT SetTimer takes.
    const std::int64_t wait = std::max<std::int64_t>(USER_TIMER_MINIMUM, next - m_timers.nowMs());
    SetTimer(m_window->handle(), FormWindow::kTimerId, static_cast<UINT>(wait), nullptr);
}

void Win32Runtime::present(bool immediately) {
    if (m_window) m_window->present(immediately);
    for (FormWindow* dialog : m_dialogs) dialog->present(immediately);
}

void Win32Runtime::doEvents() {
    present(true);
    pumpMessages();
    m_timers.runDue();
}

void Win32Runtime::pacedEventPass() {
    const LONGLONG pace = m_frequency.QuadPart * kSweepPassMs / 1000;
    for (;;) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const LONGLONG remaining = m_lastPacedPass.QuadPart + pace - now.QuadPart;
        if (remaining <= 0) break;
        // Whole milliseconds asleep; what is left under one, handed to others meanwhile.
        Sleep(static_cast<DWORD>(remaining * 1000 / m_frequency.QuadPart));
    }
    doEvents();
    QueryPerformanceCounter(&m_lastPacedPass);
}

void Win32Runtime::hold() {
    // On screen first, so the finished picture is what the hold shows.
    present(true);
    Sleep(kHoldMs);
}

void Win32Runtime::endProgram() {
    // The process ends where it stands, inside whatever handlers run: there is nothing to save,
    // and the system takes the windows, the pointer's look and the sound away with it.
    ExitProcess(0);
}

void Win32Runtime::fail(const std::string& message) {
    // A failure while reporting one: the first report stands.
    if (m_failing) ExitProcess(1);
    m_failing = true;
    if (m_window && m_window->handle()) KillTimer(m_window->handle(), FormWindow::kTimerId);
    for (FormWindow* dialog : m_dialogs) dialog->stop();
    m_covers.reset();
    if (m_window) m_window->stop();
    ReleaseCapture();
    while (ShowCursor(TRUE) < 0) {
    }
    std::cerr << m_title << ": " << message << std::endl;
    const std::wstring text = widen(package::displayText(message));
    const std::wstring caption = widen(package::displayText(m_title));
    MessageBoxW(nullptr, text.c_str(), caption.c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
    ExitProcess(1);
}

FormWindow* Win32Runtime::windowOf(const Form& form) const {
    for (auto dialog = m_dialogs.rbegin(); dialog != m_dialogs.rend(); ++dialog) {
        if (&(*dialog)->form() == &form) return *dialog;
    }
    return m_window && &m_window->form() == &form ? m_window.get() : nullptr;
}

HWND Win32Runtime::ownerWindow(Form& form) {
    FormWindow* window = windowOf(form);
    if (!window) return nullptr;
    window->followForm();
    // A handler may wait for the user while its form still holds the capture (a button whose
    // picture failed to load says so before it takes the capture).
    window->yieldMouse();
    return window->handle();
}

void Win32Runtime::showModal(Form& dialog, Form& owner) {
    HWND ownerHandle = ownerWindow(owner);
    if (dialog.onLoad) dialog.onLoad();
    FormWindow window(dialog, hooks(), FormWindow::Role::Dialog, ownerHandle, handCursor());
    // Undone however the dialog ends: the owner takes input and the focus back before the
    // dialog's window goes, so the focus does not pass to another program's window meanwhile.
    struct Showing {
        std::vector<FormWindow*>& dialogs;
        HWND owner;
        ~Showing() {
            dialogs.pop_back();
            if (!owner) return;
            EnableWindow(owner, TRUE);
            SetForegroundWindow(owner);
            SetActiveWindow(owner);
        }
    } showing{m_dialogs, ownerHandle};
    m_dialogs.push_back(&window);
    if (ownerHandle) EnableWindow(ownerHandle, FALSE);
    window.show();
    // The owner's timers go on ticking meanwhile, those switched on by the handler too.
    scheduleTimers();
    MSG message;
    while (!dialog.closed()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The program is asked to end: the loop that ends on it must see the request too.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) fail("The message queue failed");
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace glint::platform::win32
