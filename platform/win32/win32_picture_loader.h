#pragma once

#include "platform/services.h"
#include "platform/win32/gdiplus_session.h"

namespace glint::platform::win32 {

// Decodes picture files with GDI+: BMP, JPEG, PNG, GIF and TIFF, recognised by content rather
// than by name; what GDI+ cannot read goes to the Windows Imaging Component, whose codecs read
// WebP on current Windows and HEIC where the system has the image extensions (wic_picture.h).
// Photos are turned upright as their EXIF orientation says (a HEIC by its own rotation). The file
// is read through a stream of our own, shared with other programs, and is closed again when the
// picture has been decoded. Paths are UTF-8. The format it says is the one GDI+ recognised; what
// only the Imaging Component decodes is Other, whatever its name: the players cannot read it.
class Win32PictureLoader : public PictureLoader {
public:
    Image load(const std::string& path) override;
    LoadedPicture loadWithFormat(const std::string& path) override;

private:
    GdiplusSession m_gdiplus;
};

}  // namespace glint::platform::win32
