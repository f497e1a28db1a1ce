#include "platform/win32/gdiplus_session.h"

#include <objidl.h>
// GDI+ after the COM declarations it uses.
#include <gdiplus.h>

#include <stdexcept>

namespace glint::platform::win32 {

GdiplusSession::GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_token, &input, nullptr) != Gdiplus::Ok) {
        throw std::runtime_error("GDI+ cannot start");
    }
}

GdiplusSession::~GdiplusSession() {
    Gdiplus::GdiplusShutdown(m_token);
}

}  // namespace glint::platform::win32
