#pragma once

#include "platform/services.h"

namespace glint::platform::qt {

// The primary screen as Qt reports it, in logical pixels. Asked afresh each time, so a screen
// change between two questions is seen.
class QtScreen : public Screen {
public:
    int widthPixels() const override;
    int heightPixels() const override;
};

}  // namespace glint::platform::qt
