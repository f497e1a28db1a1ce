#pragma once

// The headless picture loader. Pictures are registered by path, each with the format a real
// loader would recognise in the file (Unknown unless told); loading one checks the file on disk
// as a real loader would (a missing file is a file-not-found error), then gives the registered
// picture, or a decoding error for a file with no picture registered.

#include <functional>
#include <map>
#include <string>

#include "platform/services.h"

namespace glint::platform::headless {

class ScriptedPictures : public PictureLoader {
public:
    void add(const std::string& path, Image picture,
             PictureFormat format = PictureFormat::Unknown) {
        m_pictures[path] = {std::move(picture), format};
    }
    Image load(const std::string& path) override { return loadWithFormat(path).picture; }
    LoadedPicture loadWithFormat(const std::string& path) override;
    int loads() const { return m_loads; }
    // Called with the path at the start of every load, before anything is decoded.
    std::function<void(const std::string& path)> beforeLoad;

private:
    std::map<std::string, LoadedPicture> m_pictures;
    int m_loads = 0;
};

}  // namespace glint::platform::headless
