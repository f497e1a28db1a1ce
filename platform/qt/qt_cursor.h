#pragma once

#include "platform/services.h"

namespace glint::platform::qt {

// Hides the pointer over every window of the application with a blank override cursor, and
// gives the normal pointer back.
class QtCursor : public Cursor {
public:
    void showCursor(bool show) override;
    bool hidden() const { return m_hidden; }

private:
    bool m_hidden = false;
};

}  // namespace glint::platform::qt
