#pragma once

#include "platform/qt/screen_use.h"
#include "platform/services.h"

namespace glint::platform::qt {

// The primary screen as Qt reports it, in the logic's pixels: the desktop's logical pixels for a
// program scaled as a whole, device pixels for the show. Asked afresh each time, so a screen
// change between two questions is seen.
class QtScreen : public Screen {
public:
    explicit QtScreen(ScreenUse use = ScreenUse::Scaled) : m_use(use) {}
    int widthPixels() const override;
    int heightPixels() const override;

private:
    ScreenUse m_use;
};

}  // namespace glint::platform::qt
