#include "installer/linux/show_file_install.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "installer/install_plan.h"
#include "language/translate.h"
#include "package/file_error.h"
#include "package/paths.h"
#include "package/text_encoding.h"

namespace glint::installer {
namespace {

namespace fs = std::filesystem;
using language::trf;

constexpr const char* kStagingPrefix = ".incoming-";
constexpr const char* kPlayer = "pb.cc";
constexpr const char* kLists[] = {"pb.dat", "ms.dat", "kg.ini", "timu.dat"};

const package::StoredFile* stored(const package::ShowFileIndex& index, const std::string& name) {
    for (const package::StoredFile& file : index.files) {
        if (file.name == name) return &file;
    }
    return nullptr;
}

// The end of a stored file: a caption is the list's last line.
std::string storedTail(const std::string& showFile, const package::StoredFile& file) {
    constexpr std::uint64_t kTail = 64 * 1024;
    const std::uint64_t size = std::min(file.size, kTail);
    std::ifstream in(package::filePath(showFile), std::ios::binary);
    std::string bytes(size, '\0');
    in.seekg(static_cast<std::streamoff>(file.offset + file.size - size));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        throw InstallError(trf("无法读取文件：%1", {showFile}));
    }
    return bytes;
}

// The text of the list's last line without its quotes, as the player reads its caption; the
// list is checked line by line when the staged show is planned.
std::string lastQuotedText(std::string bytes) {
    if (!bytes.empty() && bytes.back() == '\n') bytes.pop_back();
    if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
    const std::size_t end = bytes.find_last_of("\r\n");
    const std::string line = end == std::string::npos ? bytes : bytes.substr(end + 1);
    return line.size() < 2 ? std::string() : package::displayText(line.substr(1, line.size() - 2));
}

// Staging folders are named after their installer's process; one whose process is gone was left
// by an installer that was killed.
void removeAbandoned(const fs::path& root) {
    std::error_code error;
    for (auto entry = fs::directory_iterator(root, error);
         !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.rfind(kStagingPrefix, 0) != 0) continue;
        const long process =
            std::strtol(name.c_str() + std::string(kStagingPrefix).size(), nullptr, 10);
        std::error_code ignored;
        if (process > 0 && ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH) {
            fs::remove_all(entry->path(), ignored);
        }
    }
}

// The show is on the disk twice for a moment: staged, and installed.
void checkSpace(const fs::path& root, const package::ShowFileIndex& index) {
    std::uintmax_t needed = 0;
    for (const package::StoredFile& file : index.files) needed += 2 * file.size;
    std::error_code error;
    const fs::space_info space = fs::space(root, error);
    if (!error && space.available < needed) {
        constexpr std::uintmax_t kMegabyte = 1024 * 1024;
        throw InstallError(trf("磁盘空间不够：安装需要 %1 MB，%2 所在的磁盘只剩 %3 MB。",
                               {std::to_string(needed / kMegabyte + 1), root.string(),
                                std::to_string(space.available / kMegabyte)}));
    }
}

InstallError folderError(const fs::path& folder, const std::error_code& error) {
    return InstallError(trf("无法建立文件夹：%1（%2）", {folder.string(), error.message()}));
}

}  // namespace

ShowFileContents readShowFileContents(const std::string& showFile) {
    ShowFileContents contents;
    try {
        contents.index = package::readShowFile(showFile);
    } catch (const package::ShowFileError& failure) {
        throw InstallError(failure.what());
    } catch (const package::FileError& failure) {
        throw InstallError(trf("无法读取文件：%1", {failure.path()}));
    }
    if (!stored(contents.index, kPlayer)) {
        throw InstallError(
            trf("这个文件里没有屏幕保护程序的播放程序 pb.cc，没有安装任何东西：%1", {showFile}));
    }
    for (const char* list : kLists) {
        if (!stored(contents.index, list)) {
            throw InstallError(
                trf("这个文件里缺少屏幕保护程序的 %1，没有安装任何东西：%2", {list, showFile}));
        }
    }
    contents.caption = lastQuotedText(storedTail(showFile, *stored(contents.index, "timu.dat")));
    return contents;
}

StagedShow::StagedShow(const std::string& showFile, const package::ShowFileIndex& index,
                       const std::string& dataFolder) {
    const fs::path root = fs::path(dataFolder) / "glint" / "screensavers";
    std::error_code error;
    fs::create_directories(root, error);
    if (error) throw folderError(root, error);
    removeAbandoned(root);
    checkSpace(root, index);
    fs::path folder;
    for (int number = 1;; ++number) {
        folder =
            root / (kStagingPrefix + std::to_string(::getpid()) + "-" + std::to_string(number));
        if (fs::create_directory(folder, error)) break;
        if (error) throw folderError(folder, error);
    }
    m_folder = folder.string();
    try {
        ::chmod(m_folder.c_str(), 0700);
        package::extractShowFile(showFile, index, m_folder);
        const std::string player = package::namedPath(m_folder, kPlayer);
        if (::chmod(player.c_str(), 0755) != 0)
            throw InstallError(trf("无法写入文件：%1", {player}));
    } catch (const std::exception& failure) {
        fs::remove_all(folder, error);
        throw InstallError(trf("安装没有完成：%1", {failure.what()}));
    }
}

StagedShow::~StagedShow() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

}  // namespace glint::installer
