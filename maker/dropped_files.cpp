#include "maker/dropped_files.h"

#include <algorithm>
#include <array>

#include "maker/messages.h"
#include "package/file_error.h"
#include "package/paths.h"

namespace glint::maker {
namespace {

constexpr std::array<std::string_view, 11> kPictureExtensions = {
    "bmp", "jpg", "jpeg", "png", "gif", "webp", "tif", "tiff", "heic", "heif", "avif"};
constexpr std::array<std::string_view, 8> kMusicExtensions = {"mp3",  "wma", "wav", "ogg",
                                                              "flac", "m4a", "aac", "opus"};

unsigned char lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Negative, zero or positive as a sorts before, with or after b.
int naturalCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            while (i < a.size() && a[i] == '0') ++i;
            while (j < b.size() && b[j] == '0') ++j;
            const std::size_t startA = i;
            const std::size_t startB = j;
            while (i < a.size() && isDigit(a[i])) ++i;
            while (j < b.size() && isDigit(b[j])) ++j;
            // Without leading zeros, the longer number is the larger.
            if (i - startA != j - startB) return i - startA < j - startB ? -1 : 1;
            const int digits = a.substr(startA, i - startA).compare(b.substr(startB, j - startB));
            if (digits != 0) return digits;
            continue;
        }
        if (lower(a[i]) != lower(b[j])) return lower(a[i]) < lower(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    const std::size_t restA = a.size() - i;
    const std::size_t restB = b.size() - j;
    return restA == restB ? 0 : (restA < restB ? -1 : 1);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == package::kSeparator) return folder + name;
    return package::namedPath(folder, name);
}

class Walk {
public:
    Walk(platform::Files& files, const std::function<bool(int)>& goOn)
        : m_files(files), m_goOn(goOn) {}

    void dropped(const std::string& path) {
        switch (m_files.kindOf(path)) {
            case platform::EntryKind::File:
                file(path);
                break;
            case platform::EntryKind::Folder:
            case platform::EntryKind::LinkToFolder:
                folder(path);
                break;
            case platform::EntryKind::Other:
                m_contents.passedOver.push_back(trf("不是图片或音乐，已跳过：%1", {path}));
                break;
            case platform::EntryKind::Missing:
                m_contents.passedOver.push_back(trf("找不到文件：%1", {path}));
                break;
        }
    }

    DropContents& contents() { return m_contents; }

private:
    void file(const std::string& path) {
        const MediaKind kind = mediaKindOf(package::bareFileName(path));
        if (kind == MediaKind::Other) {
            m_contents.passedOver.push_back(trf("不是图片或音乐，已跳过：%1", {path}));
        } else {
            m_contents.files.push_back({path, kind});
        }
    }

    void folder(const std::string& path) {
        if (m_contents.cancelled) return;
        std::vector<platform::FolderEntry> entries;
        try {
            entries = m_files.listFolder(path);
        } catch (const package::FileError&) {
            m_contents.passedOver.push_back(trf("无法读取文件夹：%1", {path}));
            return;
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return naturalLess(a.name, b.name); });
        for (const auto& entry : entries) {
            if (entry.kind == platform::EntryKind::File) file(inFolder(path, entry.name));
            if (entry.kind == platform::EntryKind::Other) {
                m_contents.passedOver.push_back(
                    trf("不是图片或音乐，已跳过：%1", {inFolder(path, entry.name)}));
            }
        }
        if (!m_goOn(static_cast<int>(m_contents.files.size()))) {
            m_contents.cancelled = true;
            return;
        }
        for (const auto& entry : entries) {
            if (entry.kind == platform::EntryKind::Folder) folder(inFolder(path, entry.name));
        }
    }

    platform::Files& m_files;
    const std::function<bool(int)>& m_goOn;
    DropContents m_contents;
};

}  // namespace

MediaKind mediaKindOf(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return MediaKind::Other;
    std::string extension;
    for (const char c : fileName.substr(dot + 1)) extension += static_cast<char>(lower(c));
    const auto among = [&extension](const auto& extensions) {
        return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
    };
    if (among(kPictureExtensions)) return MediaKind::Picture;
    if (among(kMusicExtensions)) return MediaKind::Music;
    return MediaKind::Other;
}

bool naturalLess(std::string_view a, std::string_view b) {
    const int order = naturalCompare(a, b);
    return order != 0 ? order < 0 : a < b;
}

DropContents dropContents(const std::vector<std::string>& paths, platform::Files& files,
                          const std::function<bool(int found)>& goOn) {
    Walk walk(files, goOn);
    for (const std::string& path : paths) {
        if (walk.contents().cancelled) break;
        walk.dropped(path);
    }
    return std::move(walk.contents());
}

}  // namespace glint::maker
