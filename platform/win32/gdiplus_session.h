#pragma once

#include <windows.h>

namespace glint::platform::win32 {

// GDI+ started for as long as the object lives. Sessions may overlap: the picture loader and the
// desktop each hold one.
class GdiplusSession {
public:
    // Throws std::runtime_error when GDI+ cannot start.
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};

}  // namespace glint::platform::win32
