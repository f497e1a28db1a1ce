#pragma once

// A storm of random input for the player on the headless backend, from one seed. The storm is the
// player's event loop: its input comes at the show's event passes, and at the ticks of a timer of
// its own, which stand for the idle main loop between the show's ticks. Every input is judged by
// ExitRules before it is delivered. Until the storm is armed it delivers only input that must not
// end the show; from then on anything, so the first input that ends the show comes at a random
// point of the effect chosen.

#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "platform/headless/headless_runtime.h"
#include "platform/input_router.h"
#include "platform/timer.h"
#include "tests/reliability/exit_rules.h"

namespace glint::reliability {

class InputStorm : public platform::EventLoop {
public:
    // Where in the turn of one effect the storm arms: in the wait for the tick that starts it,
    // while it runs (a sweep's passes, a slide's ticks), or in the hand-back after its hold.
    enum class Stage { BeforeTheTick, Running, HandingBack };
    // Arms at the chance after `skip` chances in that stage of the effect with this number.
    struct Arming {
        int effect = 0;
        Stage stage = Stage::BeforeTheTick;
        int skip = 0;
    };

    InputStorm(platform::headless::HeadlessRuntime& runtime, platform::TimerScheduler& timers,
               const platform::Screen& screen, std::uint32_t seed, Arming arming);

    // Once the player window exists, before the run.
    void attach(player::Form1& form);

    void doEvents() override;
    void pacedEventPass() override;
    void hold() override;

    std::int64_t delivered() const { return m_delivered; }
    // The last input delivered, as the rules judged it, what it was, and the effect it came in.
    const ExitVerdict& lastVerdict() const { return m_lastVerdict; }
    const std::string& lastInput() const { return m_lastInput; }
    int lastEffect() const { return m_lastEffect; }
    // The first input that should have ended the show and did not; empty when there was none.
    const std::string& missedEnd() const { return m_missedEnd; }

private:
    void gust();
    void updateArming(int effect);
    Stage stage() const;
    void gesture();
    void mouse(platform::RawMouse::Kind kind, std::pair<int, int> at);
    void key();
    void delivering(const ExitVerdict& verdict, std::string what);
    void checkEnded();
    std::pair<int, int> somewhere();
    std::pair<int, int> inside(const platform::Rect& r);
    int currentEffect() const;

    platform::headless::HeadlessRuntime& m_runtime;
    platform::TimerScheduler& m_timers;
    const platform::Screen& m_screen;
    platform::Timer m_ticker;
    std::mt19937 m_random;
    Arming m_arming;
    player::Form1* m_form = nullptr;
    std::unique_ptr<platform::InputRouter> m_router;
    std::unique_ptr<ExitRules> m_rules;
    bool m_armed = false;
    bool m_finished = false;
    bool m_sawEffect = false;  // the turn of the effect armed at has begun
    int m_turn = -1;           // the effect whose turn it is, and the holds made before it
    std::int64_t m_holdsBefore = 0;
    std::pair<int, int> m_pointer;
    std::int64_t m_delivered = 0;
    ExitVerdict m_lastVerdict;
    std::string m_lastInput;
    int m_lastEffect = -1;
    std::string m_missedEnd;
};

}  // namespace glint::reliability
