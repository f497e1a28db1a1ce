#include "tests/reliability/exit_rules.h"

namespace glint::reliability {
namespace {

using platform::RawMouse;

constexpr ExitVerdict kStays{};
constexpr ExitVerdict kEndsLikeAClickOnTheWindow{true, true, true};
constexpr ExitVerdict kEndsShowingThePointer{true, true, false};
constexpr ExitVerdict kEndsQuietly{true, false, false};

}  // namespace

ExitRules::Target ExitRules::targetAt(int x, int y) const {
    if (m_form.Picture1.visible() && m_form.Picture1.pixelRect().contains(x, y)) {
        return Target::Picture;
    }
    if (m_form.Label3.visible() && m_form.Label3.pixelRect().contains(x, y)) return Target::Caption;
    return Target::Window;
}

ExitVerdict ExitRules::judge(const RawMouse& raw) const {
    const Target target = targetAt(raw.x, raw.y);
    switch (raw.kind) {
        case RawMouse::Kind::Move:
            // Every pixel is 15 twips: any other pixel is more than 1 twip away.
            if (target == Target::Window && m_first && *m_first != std::pair{raw.x, raw.y}) {
                return kEndsShowingThePointer;
            }
            return kStays;
        case RawMouse::Kind::Press:
            return kStays;
        case RawMouse::Kind::Release:
            if (target != m_pressed) return kStays;
            if (target == Target::Window) return kEndsLikeAClickOnTheWindow;
            if (target == Target::Picture) return kEndsShowingThePointer;
            return kStays;
        case RawMouse::Kind::DoubleClick:
            // The picture box has no double-click: its second press is only a press.
            return target == Target::Window ? kEndsLikeAClickOnTheWindow : kStays;
    }
    return kStays;
}

ExitVerdict ExitRules::judgeKey() const {
    const bool pictureHasKeys =
        m_form.focusedControl() == &m_form.Picture1 && m_form.Picture1.visible();
    return pictureHasKeys ? kEndsQuietly : kEndsLikeAClickOnTheWindow;
}

void ExitRules::arrived(const RawMouse& raw) {
    const Target target = targetAt(raw.x, raw.y);
    switch (raw.kind) {
        case RawMouse::Kind::Move:
            if (target == Target::Window && !m_first && (raw.x != 0 || raw.y != 0)) {
                m_first = std::pair{raw.x, raw.y};
            }
            break;
        case RawMouse::Kind::Press:
            m_pressed = target;
            break;
        case RawMouse::Kind::Release:
        case RawMouse::Kind::DoubleClick:
            m_pressed = Target::None;
            break;
    }
}

}  // namespace glint::reliability
