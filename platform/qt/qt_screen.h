#pragma once

#include "platform/qt/screen_use.h"
#include "platform/services.h"

namespace glint::platform::qt {

// The primary screen as Qt reports it, in the pixels of the use (see ScreenUse). Asked afresh
// each time, so a screen change between two questions is seen.
class QtScreen : public Screen {
public:
    explicit QtScreen(ScreenUse use = ScreenUse::Scaled) : m_use(use) {}
    int widthPixels() const override;
    int heightPixels() const override;

private:
    ScreenUse m_use;
};

}  // namespace glint::platform::qt
