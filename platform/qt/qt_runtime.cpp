#include "platform/qt/qt_runtime.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <thread>

namespace glint::platform::qt {

QtRuntime::QtRuntime(TimerScheduler& timers) : m_timers(timers) {
    m_driver.setSingleShot(true);
    m_driver.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_driver, &QTimer::timeout, &m_driver, [this] { driveTimers(); });
}

QtRuntime::~QtRuntime() = default;

void QtRuntime::start(Form& form) {
    m_title = form.title();
    m_window = std::make_unique<FormWindow>(
        form,
        FormWindow::Hooks{[this] { scheduleTimers(); },
                          [this](const std::string& message) { fail(message); }},
        nullptr);
    m_window->setHandCursor(m_hand);
    try {
        if (form.onLoad) form.onLoad();
    } catch (const std::exception& failure) {
        fail(failure.what());
    } catch (...) {
        fail("Unknown failure");
    }
    m_window->showForm();
    m_timers.start();
    scheduleTimers();
}

int QtRuntime::run(Form& form) {
    start(form);
    return QApplication::exec();
}

void QtRuntime::driveTimers() {
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

void QtRuntime::scheduleTimers() {
    const std::int64_t next = m_timers.nextDueMs();
    if (next == TimerScheduler::kNever) {
        m_driver.stop();
        return;
    }
    // Never more than one timer interval away, so it fits the int QTimer takes.
    const std::int64_t wait = std::max<std::int64_t>(0, next - m_timers.nowMs());
    m_driver.start(static_cast<int>(wait));
}

void QtRuntime::present(bool immediately) {
    if (m_window) m_window->present(immediately);
}

void QtRuntime::doEvents() {
    present(true);
    QCoreApplication::processEvents();
    m_timers.runDue();
}

void QtRuntime::pacedEventPass() {
    std::this_thread::sleep_until(m_lastPacedPass + std::chrono::milliseconds(kSweepPassMs));
    doEvents();
    m_lastPacedPass = SteadyClock::now();
}

void QtRuntime::hold() {
    // On screen first, so the finished picture is what the hold shows.
    present(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(kHoldMs));
}

void QtRuntime::endProgram() {
    // The process ends where it stands, inside whatever handlers run: there is nothing to save,
    // and the system takes the window and the pointer's look away with it.
    std::_Exit(0);
}

void QtRuntime::fail(const std::string& message) {
    m_driver.stop();
    if (QWidget* grabber = QWidget::keyboardGrabber()) grabber->releaseKeyboard();
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    std::cerr << m_title << ": " << message << std::endl;
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(m_title),
                    QString::fromStdString(message), QMessageBox::Ok);
    box.exec();
    std::_Exit(1);
}

}  // namespace glint::platform::qt
