#include "platform/headless/headless_runtime.h"

#include <algorithm>
#include <exception>

#include "platform/program_end.h"

namespace glint::platform::headless {

HeadlessRuntime::HeadlessRuntime(VirtualClock& clock, TimerScheduler& timers, const Screen& screen)
    : m_clock(clock), m_timers(timers), m_screen(screen) {}

void HeadlessRuntime::atPass(std::int64_t pass, ScriptedEvent event) {
    m_byPass.emplace(pass, std::move(event));
}

void HeadlessRuntime::atTime(std::int64_t ms, ScriptedEvent event) {
    m_byTime.emplace(ms, std::move(event));
}

void HeadlessRuntime::deliver(const ScriptedEvent& event) {
    if (const auto* jump = std::get_if<ClockJump>(&event)) {
        m_clock.advance(jump->ms);
    } else if (!m_router) {
        return;  // no window yet: input has nowhere to go
    } else if (const auto* mouse = std::get_if<RawMouse>(&event)) {
        m_router->mouse(*mouse);
    } else {
        m_router->key(std::get<KeyEvent>(event));
    }
}

void HeadlessRuntime::deliverDue() {
    while (!m_byTime.empty() && m_byTime.begin()->first <= m_clock.nowMs()) {
        const ScriptedEvent event = m_byTime.begin()->second;
        m_byTime.erase(m_byTime.begin());
        deliver(event);
    }
}

std::int64_t HeadlessRuntime::nextTimedInputMs() const {
    return m_byTime.empty() ? TimerScheduler::kNever : m_byTime.begin()->first;
}

void HeadlessRuntime::doEvents() {
    ++m_passes;
    for (auto range = m_byPass.equal_range(m_passes); range.first != range.second;) {
        const ScriptedEvent event = range.first->second;
        range.first = m_byPass.erase(range.first);
        deliver(event);
    }
    deliverDue();
    m_timers.runDue();
}

void HeadlessRuntime::pacedEventPass() {
    m_clock.advance(kSweepPassMs);
    doEvents();
}

void HeadlessRuntime::hold() {
    ++m_holds;
    m_clock.advance(kHoldMs);
}

void HeadlessRuntime::endProgram() { throw ProgramEnded{0}; }

void HeadlessRuntime::show(Form& form) {
    if (form.maximized()) {
        form.setPixelRect({0, 0, m_screen.widthPixels(), m_screen.heightPixels()});
    }
    form.setClientSize(form.pixelRect().width, form.pixelRect().height);
    m_router = std::make_unique<InputRouter>(form);
}

RunResult HeadlessRuntime::run(Form& form, std::int64_t untilMs) {
    RunResult result;
    auto finish = [&](RunResult::End end) {
        result.end = end;
        result.atMs = m_clock.nowMs();
        result.atPass = m_passes;
        return result;
    };
    try {
        if (form.onLoad) form.onLoad();
        show(form);
        result.windowShown = true;
        m_timers.start();
        for (;;) {
            const std::int64_t next = std::min(m_timers.nextDueMs(), nextTimedInputMs());
            if (next == TimerScheduler::kNever || next > untilMs) {
                m_clock.set(std::max(m_clock.nowMs(), untilMs));
                return finish(RunResult::End::TimeLimit);
            }
            m_clock.set(std::max(m_clock.nowMs(), next));
            deliverDue();
            m_timers.runDue();
        }
    } catch (const ProgramEnded& ended) {
        result.status = ended.status;
        return finish(RunResult::End::Ended);
    } catch (const std::exception& failure) {
        result.status = 1;
        result.errorReport = failure.what();
        result.windowShown = false;
        return finish(RunResult::End::Error);
    }
}

}  // namespace glint::platform::headless
