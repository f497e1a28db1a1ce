#include "assets/sample/sample_show.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "assets/sample/music_score.h"
#include "assets/sample/music_synth.h"
#include "assets/sample/sample_pictures.h"
#include "assets/sample/wav_writer.h"
#include "package/paths.h"
#include "package/quoted_list.h"

namespace glint::assets {

namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 4> kListNames = {"pb.dat", "ms.dat", "kg.ini", "timu.dat"};

template <typename Bytes>
void writeNewFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw SampleError("cannot write " + path);
}

void appendLine(const std::string& folder, const std::string& list, const std::string& text) {
    try {
        package::appendQuotedLine(package::namedPath(folder, list), text);
    } catch (const std::exception& e) {
        throw SampleError(std::string("cannot write ") + list + ": " + e.what());
    }
}

void refuseUnlessFree(const std::string& folder, const std::vector<std::string>& names) {
    std::error_code error;
    if (!fs::is_directory(fs::path(folder), error)) {
        throw SampleError("the output folder does not exist: " + folder);
    }
    for (const std::string& name : names) {
        // symlink_status: a link that points nowhere still occupies its name.
        if (fs::exists(fs::symlink_status(fs::path(package::namedPath(folder, name)), error))) {
            throw SampleError("the output folder already holds " + name +
                              "; give an empty folder: " + folder);
        }
    }
}

}  // namespace

std::vector<std::string> writeSampleShow(const std::string& folder) {
    const std::vector<SamplePicture> pictures = samplePictures();
    std::vector<std::string> names;
    for (const SamplePicture& picture : pictures) names.push_back(picture.fileName);
    names.push_back(kMusicFileName);
    names.insert(names.end(), kListNames.begin(), kListNames.end());
    refuseUnlessFree(folder, names);

    for (const SamplePicture& picture : pictures) {
        const std::vector<char> bytes = encodePicture(picture);
        if (bytes.empty()) throw SampleError("cannot encode " + picture.fileName);
        writeNewFile(package::namedPath(folder, picture.fileName), bytes);
    }
    writeNewFile(package::namedPath(folder, kMusicFileName),
                 encodeWav(renderScore(sampleTune(), kSampleRate, 2.5, 0.85), kSampleRate));

    for (const SamplePicture& picture : pictures) appendLine(folder, "pb.dat", picture.fileName);
    appendLine(folder, "ms.dat", kMusicFileName);
    // Music plays once when kg.ini's last text is "1".
    appendLine(folder, "kg.ini", "1");
    appendLine(folder, "timu.dat", kCaption);
    return names;
}

}  // namespace glint::assets
