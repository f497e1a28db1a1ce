#include "platform/input_router.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture_box.h"

namespace glint::platform {
namespace {

struct Router : ::testing::Test {
    Form form{"Form", "test"};
    PictureBox box{"box"};
    Label label{"label", "x"};
    InputRouter router{form};
    std::vector<std::string> events;

    void SetUp() override {
        form.setClientSize(200, 100);
        label.setPixelRect({0, 0, 50, 20});
        box.setPicture(Image(20, 10));
        box.setScaleModePixels(true);
        box.setPixelRect({40, 10, 24, 14});
        form.addControl(label);
        form.addControl(box);
        for (Control* c : {static_cast<Control*>(&form), static_cast<Control*>(&box),
                           static_cast<Control*>(&label)}) {
            const std::string n = c->name();
            c->onClick = [this, n] { events.push_back(n + " click"); };
            c->onDblClick = [this, n] { events.push_back(n + " dblclick"); };
            c->onMouseDown = [this, n](const MouseEvent&) { events.push_back(n + " down"); };
            c->onMouseUp = [this, n](const MouseEvent&) { events.push_back(n + " up"); };
            c->onMouseMove = [this, n](const MouseEvent& e) {
                events.push_back(n + " move " + std::to_string(int(e.x)) + "," +
                                 std::to_string(int(e.y)));
            };
            c->onKeyDown = [this, n](const KeyEvent&) { events.push_back(n + " key"); };
        }
    }
    void mouse(RawMouse::Kind kind, int x, int y) { router.mouse({kind, x, y, kLeftButton, 0}); }
};

TEST_F(Router, TheTopmostVisibleControlUnderThePointerGetsTheEvent) {
    mouse(RawMouse::Kind::Move, 45, 15);  // box over label: box, in its inner pixels
    mouse(RawMouse::Kind::Move, 10, 5);   // label, in twips
    box.setVisible(false);
    mouse(RawMouse::Kind::Move, 45, 15);  // the hidden box is passed over
    mouse(RawMouse::Kind::Move, 150, 90);
    EXPECT_EQ(events, (std::vector<std::string>{"box move 3,3", "label move 150,75",
                                                "label move 675,225", "Form move 2250,1350"}));
}

TEST_F(Router, APressAndReleaseOnOneControlMakeAClickAndADoubleClickFollows) {
    mouse(RawMouse::Kind::Press, 150, 90);
    mouse(RawMouse::Kind::Release, 150, 90);
    mouse(RawMouse::Kind::DoubleClick, 150, 90);
    mouse(RawMouse::Kind::Release, 150, 90);
    mouse(RawMouse::Kind::Press, 150, 90);
    mouse(RawMouse::Kind::Release, 45, 15);  // released over another control: no click
    EXPECT_EQ(events, (std::vector<std::string>{"Form down", "Form up", "Form click",
                                                "Form dblclick", "Form up", "Form down",
                                                "box up"}));
}

TEST_F(Router, TheCaptureTakesEveryMouseEventAndKeysGoToTheFocus) {
    form.setMouseCapture(&label);
    mouse(RawMouse::Kind::Move, 150, 90);
    form.setMouseCapture(nullptr);
    router.key({65, 0});
    form.setFocusedControl(&box);
    router.key({65, 0});
    EXPECT_EQ(events, (std::vector<std::string>{"label move 2250,1350", "Form key", "box key"}));
}

}  // namespace
}  // namespace glint::platform
