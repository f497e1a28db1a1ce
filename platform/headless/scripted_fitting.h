#pragma once

// The headless fitting: a fixed screen, and fitted copies that are real files the scripted
// picture loader then reads: each written file is registered with it as a JPEG of the scaled
// picture (each pixel the picture's pixel nearest to its centre). Every write is recorded.

#include <string>
#include <vector>

#include "platform/headless/scripted_pictures.h"
#include "platform/picture_fitting.h"

namespace glint::platform::headless {

class ScriptedFitting : public PictureFitting {
public:
    struct Write {
        std::string path;
        PixelSize size;
    };

    ScriptedFitting(PixelSize screen, ScriptedPictures& pictures)
        : m_screen(screen), m_pictures(pictures) {}

    PixelSize screenDevicePixels() const override { return m_screen; }
    // Throws package::FileError as a real write would when the folder is missing, and when
    // failWrites says so.
    void writeFittedCopy(const Image& picture, PixelSize size, const std::string& path) override;

    const std::vector<Write>& writes() const { return m_writes; }
    bool failWrites = false;

private:
    PixelSize m_screen;
    ScriptedPictures& m_pictures;
    std::vector<Write> m_writes;
};

}  // namespace glint::platform::headless
