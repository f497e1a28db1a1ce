#pragma once

// A player's stage for timing one sweep alone: pacing switched off (a pass is one event pass at
// once), the hold skipped, and no hand-back to the slide cycle at the end.

#include <chrono>
#include <vector>

#include "platform/services.h"
#include "player/effects/stage.h"
#include "player/form1.h"

namespace glint::bench {

// Forwards event passes to the backend's loop; the pacing and the hold cost nothing. With timing
// on it keeps, for every sweep pass, how long the event pass took and how long since the last
// one ended (the column's copy plus the event pass), in ms.
class UnpacedLoop : public platform::EventLoop {
public:
    explicit UnpacedLoop(platform::EventLoop& backend) : m_backend(backend) {}
    void doEvents() override { m_backend.doEvents(); }
    void pacedEventPass() override {
        ++m_passes;
        if (!m_timing) return m_backend.doEvents();
        const auto start = Clock::now();
        m_backend.doEvents();
        const auto end = Clock::now();
        m_eventPassMs.push_back(Ms(end - start).count());
        if (m_passes > 1) m_wholePassMs.push_back(Ms(end - m_lastEnd).count());
        m_lastEnd = end;
    }
    void hold() override {}
    long passes() const { return m_passes; }

    void timePasses() { m_timing = true; }
    const std::vector<double>& eventPassMs() const { return m_eventPassMs; }
    const std::vector<double>& wholePassMs() const { return m_wholePassMs; }

private:
    using Clock = std::chrono::steady_clock;
    using Ms = std::chrono::duration<double, std::milli>;

    platform::EventLoop& m_backend;
    long m_passes = 0;
    bool m_timing = false;
    Clock::time_point m_lastEnd;
    std::vector<double> m_eventPassMs;
    std::vector<double> m_wholePassMs;
};

inline player::effects::Stage unpacedStage(player::Form1& form, UnpacedLoop& loop) {
    player::effects::Stage& real = form.stage();
    return {real.Picture1,   real.Timer1,         real.Timermove7, real.Timermove8,
            real.Timermove9, real.Timermove10,    real.surface,    loop,
            real.screen,     [](std::int16_t&) {}};
}

}  // namespace glint::bench
