#pragma once

// One effect on its own: the player window with a picture in its hidden box, and the hand-back
// to the slide cycle replaced by a recorder of the state the effect handed back in.

#include <gtest/gtest.h>

#include "tests/player/player_harness.h"

namespace glint::testing {

class EffectFixture : public ::testing::Test {
protected:
    struct HandBack {
        bool boxVisible;
        bool timer1Enabled;
        bool anyMoveTimerEnabled;
        std::int64_t holds;
        std::int16_t dtime;
    };

    explicit EffectFixture(int screenWidth = 1024, int screenHeight = 768)
        : h(screenWidth, screenHeight) {}

    void SetUp() override {
        player::Form1& form = h.form();
        form.setClientSize(h.screen.widthPixels(), h.screen.heightPixels());
        form.Picture1.setVisible(false);
        form.stage().delay = [this, &form](std::int16_t& dtime) {
            handBacks.push_back({form.Picture1.visible(), form.Timer1.enabled(),
                                 form.Timermove7.enabled() || form.Timermove8.enabled() ||
                                     form.Timermove9.enabled() || form.Timermove10.enabled(),
                                 h.runtime.holds(), dtime});
        };
    }

    void loadPicture(platform::Image picture) { h.form().Picture1.setPicture(std::move(picture)); }
    player::effects::Stage& stage() { return h.form().stage(); }
    player::Form1& form() { return h.form(); }

    // Every pixel write from now on.
    std::vector<platform::PixelWrite>& recordWrites() {
        h.form().surface().recordWritesInto(&writes);
        return writes;
    }

    PlayerHarness h;
    std::vector<HandBack> handBacks;
    std::vector<platform::PixelWrite> writes;
};

}  // namespace glint::testing
