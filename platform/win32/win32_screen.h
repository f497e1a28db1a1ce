#pragma once

#include "platform/services.h"

namespace glint::platform::win32 {

// The primary screen, whose top-left corner is the origin of the screen's coordinates.
class Win32Screen : public Screen {
public:
    int widthPixels() const override;
    int heightPixels() const override;
};

}  // namespace glint::platform::win32
