#include "tests/reliability/input_storm.h"

#include <algorithm>

#include "player/caption_number.h"

namespace glint::reliability {
namespace {

using platform::RawMouse;

// The chance that an event pass or a tick of the storm's timer brings a gesture.
constexpr double kGustChance = 0.3;

const char* kindName(RawMouse::Kind kind) {
    switch (kind) {
        case RawMouse::Kind::Move:
            return "move";
        case RawMouse::Kind::Press:
            return "press";
        case RawMouse::Kind::Release:
            return "release";
        case RawMouse::Kind::DoubleClick:
            return "double-click";
    }
    return "?";
}

}  // namespace

InputStorm::InputStorm(platform::headless::HeadlessRuntime& runtime,
                       platform::TimerScheduler& timers, const platform::Screen& screen,
                       std::uint32_t seed, Arming arming)
    : m_runtime(runtime),
      m_timers(timers),
      m_screen(screen),
      m_ticker(timers, "storm", 1, true),
      m_random(seed),
      m_arming(arming) {
    m_ticker.onTick = [this] { gust(); };
}

void InputStorm::attach(player::Form1& form) {
    m_form = &form;
    m_router = std::make_unique<platform::InputRouter>(form);
    m_rules = std::make_unique<ExitRules>(form);
    m_pointer = std::bernoulli_distribution(0.1)(m_random) ? std::pair{0, 0} : somewhere();
}

void InputStorm::doEvents() {
    gust();
    m_runtime.doEvents();
}

void InputStorm::pacedEventPass() {
    gust();
    m_runtime.pacedEventPass();
}

// During the hold no input is handled; what arrives then waits for the passes after it.
void InputStorm::hold() {
    m_runtime.hold();
}

int InputStorm::currentEffect() const {
    return static_cast<int>(player::captionNumber(m_form->Label2));
}

InputStorm::Stage InputStorm::stage() const {
    if (m_runtime.holds() > m_holdsBefore) return Stage::HandingBack;
    const player::Form1& f = *m_form;
    const bool sliding = f.Timermove7.enabled() || f.Timermove8.enabled() ||
                         f.Timermove9.enabled() || f.Timermove10.enabled();
    return f.Timer1.ticking() || sliding ? Stage::Running : Stage::BeforeTheTick;
}

void InputStorm::updateArming(int effect) {
    if (effect != m_turn) {
        m_turn = effect;
        m_holdsBefore = m_runtime.holds();
    }
    if (m_armed) return;
    if (effect != m_arming.effect) {
        // The effect's turn went by without the chances running out: arm at once.
        m_armed = m_sawEffect;
        return;
    }
    m_sawEffect = true;
    if (stage() == m_arming.stage && m_arming.skip-- <= 0) m_armed = true;
}

void InputStorm::gust() {
    if (!m_form || m_finished) return;
    updateArming(currentEffect());
    if (std::bernoulli_distribution(kGustChance)(m_random)) gesture();
}

std::pair<int, int> InputStorm::somewhere() {
    return {std::uniform_int_distribution(0, m_screen.widthPixels() - 1)(m_random),
            std::uniform_int_distribution(0, m_screen.heightPixels() - 1)(m_random)};
}

std::pair<int, int> InputStorm::inside(const platform::Rect& r) {
    const int left = std::max(r.x, 0);
    const int top = std::max(r.y, 0);
    const int right = std::min(r.right(), m_screen.widthPixels());
    const int bottom = std::min(r.bottom(), m_screen.heightPixels());
    if (left >= right || top >= bottom) return somewhere();
    return {std::uniform_int_distribution(left, right - 1)(m_random),
            std::uniform_int_distribution(top, bottom - 1)(m_random)};
}

// One thing a user does: a key, a move that stays on its pixel, goes one pixel or anywhere, a
// click, a double-click, or a press let go elsewhere. Mostly over the picture box while it shows.
void InputStorm::gesture() {
    const double where = std::uniform_real_distribution(0.0, 1.0)(m_random);
    std::pair<int, int> at = somewhere();
    if (where < 0.5 && m_form->Picture1.visible()) {
        at = inside(m_form->Picture1.pixelRect());
    } else if (where < 0.6) {
        at = inside(m_form->Label3.pixelRect());
    } else if (where < 0.65) {
        at = {0, 0};
    }
    using Kind = RawMouse::Kind;
    // Keys are held back until the storm is armed (every key ends the show); then they come
    // often, so that some land while the picture box holds the keys.
    if (m_armed && std::bernoulli_distribution(0.3)(m_random)) return key();
    switch (std::uniform_int_distribution(0, 7)(m_random)) {
        case 0:
            key();
            break;
        case 1:
            mouse(Kind::Move, m_pointer);
            break;
        case 2:
            mouse(Kind::Move, at);
            break;
        case 3:
            mouse(Kind::Press, at);
            mouse(Kind::Release, at);
            break;
        case 4:
            for (Kind kind : {Kind::Press, Kind::Release, Kind::DoubleClick, Kind::Release}) {
                mouse(kind, at);
            }
            break;
        case 5:
            mouse(Kind::Press, at);
            mouse(Kind::Release, somewhere());
            break;
        case 6: {
            // A double-click whose first click met something else: the picture box slid away,
            // or the first click fell on the caption.
            const std::pair<int, int> second = somewhere();
            mouse(Kind::Press, at);
            mouse(Kind::Release, at);
            mouse(Kind::DoubleClick, second);
            mouse(Kind::Release, second);
            break;
        }
        default:
            mouse(Kind::Move, {m_pointer.first + 1, m_pointer.second});
            break;
    }
}

void InputStorm::delivering(const ExitVerdict& verdict, std::string what) {
    m_lastVerdict = verdict;
    m_lastEffect = currentEffect();
    m_lastInput = what + " at " + std::to_string(m_timers.nowMs()) + " ms, pass " +
                  std::to_string(m_runtime.passes()) + ", effect " + std::to_string(m_lastEffect) +
                  ", stage " + std::to_string(static_cast<int>(stage()));
    ++m_delivered;
}

void InputStorm::checkEnded() {
    if (!m_lastVerdict.ends || !m_missedEnd.empty()) return;
    m_missedEnd = m_lastInput;
    m_finished = true;
}

void InputStorm::mouse(RawMouse::Kind kind, std::pair<int, int> at) {
    if (m_finished) return;
    const RawMouse raw{kind, at.first, at.second, platform::kLeftButton, platform::kNoShift};
    const ExitVerdict verdict = m_rules->judge(raw);
    if (verdict.ends && !m_armed) return;
    m_rules->arrived(raw);
    if (kind == RawMouse::Kind::Move) m_pointer = at;
    delivering(verdict, std::string(kindName(kind)) + " (" + std::to_string(at.first) + ", " +
                            std::to_string(at.second) + ")");
    m_router->mouse(raw);
    checkEnded();
}

void InputStorm::key() {
    if (m_finished || !m_armed) return;  // every key ends the show
    delivering(m_rules->judgeKey(), "key");
    m_router->key({'K', platform::kNoShift});
    checkEnded();
}

}  // namespace glint::reliability
